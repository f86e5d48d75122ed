streams
