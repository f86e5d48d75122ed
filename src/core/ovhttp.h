// One-shot HTTP/1.0 download: a blocking GET whose response body is copied into a buffer the
// caller supplies. Every step is narrated on standard output. The socket, and the socket
// library where the host has one, are released on every way out.
#pragma once

// Fetches path from host on port 80. True when a response with a header and a body of at most
// bufferSize bytes came (any status but 404): the body is in buffer and its size in outSize.
// On false, buffer and outSize are left as they were.
bool OvDownloadFile(const char* host, const char* path, char* buffer, unsigned bufferSize, unsigned& outSize);

// The same on another port.
bool OvDownloadFileFromPort(const char* host, unsigned short port, const char* path, char* buffer,
                            unsigned bufferSize, unsigned& outSize);
