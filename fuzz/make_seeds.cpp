// ov_fuzz_seeds: writes the seed corpus of every fuzz target into <output>/<target>/: valid
// inputs made by the library's own writers, then a few damaged copies of each (cut in half,
// one byte changed, the first byte dropped). Run as  ov_fuzz_seeds <output> <examples/demo>.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bigfile/ovbigfilegenerator.h"
#include "bigfile/ovcompressedheader.h"
#include "bigfile/ovcompressedfilewriter.h"
#include "bigfile/ovmemorycompressor.h"
#include "configuration/ovconfigurationmanager.h"
#include "core/ovcommandlinesplit.h"
#include "core/ovidentifier.h"
#include "engine/asset/ovassetfile.h"
#include "engine/serializer/ovloadersubmesh.h"
#include "engine/serializer/ovserialsaver.h"
#include "project/ovproject.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializersml.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Writes seed as <name> and its damaged copies as <name>-half, -flip and -shift.
void AddSeed(const fs::path& directory, const std::string& name, const std::string& seed) {
  fs::create_directories(directory);
  WriteAll(directory / name, seed);
  if (seed.size() < 2) return;
  WriteAll(directory / (name + "-half"), seed.substr(0, seed.size() / 2));
  std::string flipped = seed;
  flipped[seed.size() / 2] = static_cast<char>(flipped[seed.size() / 2] ^ 0x5A);
  WriteAll(directory / (name + "-flip"), flipped);
  WriteAll(directory / (name + "-shift"), seed.substr(1));
}

std::string XmlSeed() {
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("scene"));
  COvScriptTreeNode* child = new COvScriptTreeNode(COvIdentifier("object"));
  child->AddAttribute(COvIdentifier("name")).SetValue("crate <&> \"one\"");
  child->AddAttribute(COvIdentifier("position")).SetValue("1.5 -2 3e4");
  root->AddChild(child);
  COvScriptTreeNode* text = new COvScriptTreeNode();
  text->SetText("free text &amp; more");
  child->AddChild(text);
  root->AddChild(COvIdentifier("color"), COvRGB<float>(0.25f, 0.5f, 1.0f));
  COvScriptTreeSerializerXML serializer;
  TOvString<char> out;
  serializer.Dump(tree, out);
  return out.GetBuffer();
}

std::string SmlSeed(const fs::path& work, bool swap) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML xml;
  xml.Parse(tree, TOvString<char>(XmlSeed().c_str()));
  const fs::path path = work / "tree.sml";
  COvScriptTreeSerializerSML sml;
  sml.Save(tree, TOvString<char>(path.string().c_str()), swap);
  return ReadAll(path);
}

std::string CompressedSeed(const std::string& text) {
  std::vector<char> block(COvMemoryCompressor::ComputeCompressionBufferSize(text.data(), int(text.size())));
  int size = COvMemoryCompressor::Compress(text.data(), int(text.size()), block.data(), int(block.size()));
  return std::string(block.data(), size);
}

std::string ConfigurationSeed(const fs::path& work, const fs::path& demo) {
  const fs::path path = work / "game.config";
  fs::copy_file(demo / "demo.config", path, fs::copy_options::overwrite_existing);
  COvConfigurationManager manager;
  manager.Initialize(path.string().c_str());
  manager.AddBuild("Android Release");
  if (COvConfigurationBuild* build = manager.GetBuild(COvIdentifier("Android_Release"))) {
    build->SetPlatform("Android");
    build->SetApi("OpenGLES2");
    build->SetArgs("-DSTEAM=\"1\" &quot;x&quot;");
    build->AddArchitecture("armeabi-v7a");
    build->AddArchitecture("x86");
  }
  manager.SaveAll();
  return ReadAll(path);
}

std::string ProjectSeed(const fs::path& work, const fs::path& demo) {
  const fs::path path = work / "game.project";
  fs::copy_file(demo / "demo.project", path, fs::copy_options::overwrite_existing);
  COvProject project{TOvString<char>(path.string().c_str())};
  project.AddExtension("Physics");
  project.AddExtension("Audio");
  project.Save();
  return ReadAll(path);
}

std::string HashSeed(const fs::path& work, bool swap) {
  COvIdentifierHashTable table;
  for (const char* name : {"generalname", "generalicon", "android", "", "a much longer identifier name"}) {
    table.Insert(new COvIdentifierHashEntry(name, COvIdentifier(name).GetCrc64()));
  }
  const fs::path path = work / "ids.hash";
  table.SaveHashFile(path.string().c_str(), swap);
  return ReadAll(path);
}

// Seeds of the archive, compressed-file and HTTP response targets (defined at the end).
void AddArchiveAndResponseSeeds(const fs::path& output, const fs::path& work);

}  // namespace

void AddEngineSeeds(const fs::path& output);

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ov_fuzz_seeds <output directory> <examples/demo directory>\n");
    return 2;
  }
  const fs::path output = argv[1];
  const fs::path demo = argv[2];
  const fs::path work = output / ".work";
  fs::create_directories(work);

  AddSeed(output / "fuzz_xml", "tree.xml", XmlSeed());
  AddSeed(output / "fuzz_xml", "demo.config", ReadAll(demo / "demo.config"));
  AddSeed(output / "fuzz_sml", "little.sml", SmlSeed(work, false));
  AddSeed(output / "fuzz_sml", "big.sml", SmlSeed(work, true));
  AddSeed(output / "fuzz_decompressor", "text.lzma", CompressedSeed(XmlSeed()));
  AddSeed(output / "fuzz_decompressor", "empty.lzma", CompressedSeed(""));
  AddSeed(output / "fuzz_configuration", "game.config", ConfigurationSeed(work, demo));
  AddSeed(output / "fuzz_project", "game.project", ProjectSeed(work, demo));
  AddSeed(output / "fuzz_identifier_hash", "little.hash", HashSeed(work, false));
  AddSeed(output / "fuzz_identifier_hash", "big.hash", HashSeed(work, true));

  std::string commandLine;
  for (const char* argument : {"+login", "builder", "pa ss\\", "q\\\"uote", "", "C:\\My Dir\\", "-DX=\"1\""}) {
    commandLine += OvQuoteCommandLineArgument(argument).GetBuffer() + std::string(" ");
  }
  AddSeed(output / "fuzz_command_line", "arguments.txt", commandLine);
  AddSeed(output / "fuzz_command_line", "rules.txt", "a \"b c\" \"d\"\"e\" \\\"f x\\\\\\\\\"y z\" \\\\\\\"");

  AddEngineSeeds(output);
  AddArchiveAndResponseSeeds(output, work);

  fs::remove_all(work);
  return 0;
}

// Submesh and asset-file seeds: a submesh with every vertex part, a bare one, one whose vertex
// count promises far more than follows; asset images for both console targets.
void AddEngineSeeds(const fs::path& output) {
  const auto meshBytes = [](COvLoaderSubMesh& mesh) {
    std::string bytes(mesh.Size(), '\0');
    COvSerialSaver saver(&bytes[0], static_cast<unsigned int>(bytes.size()));
    mesh.Serialize(saver);
    return bytes;
  };
  COvLoaderSubMesh full;
  full.Create(3, 0x1F, 1, 2);
  for (unsigned int i = 0; i < 3; ++i) {
    COvLoaderSubMesh::Vertex& vertex = full.GetVertices()[i];
    vertex.position[0] = float(i);
    vertex.green = 0.5f;
    full.SetInfluenceCount(i, i);
    for (unsigned int k = 0; k < i; ++k) vertex.influences[k].bone = i + k;
  }
  full.GetTriangles()[0] = {{0, 1, 2}};
  COvLoaderSubMesh bare;
  bare.Create(1, 0, 0, 0);
  std::string huge = meshBytes(bare);
  huge[8] = huge[9] = huge[10] = huge[11] = '\xFF';
  AddSeed(output / "fuzz_submesh", "full.mesh", meshBytes(full));
  AddSeed(output / "fuzz_submesh", "bare.mesh", meshBytes(bare));
  AddSeed(output / "fuzz_submesh", "huge.mesh", huge);

  const uint32_t data[4] = {0x11223344, 0, 0xAABBCCDD, 0};
  const void* pointers[] = {&data[1], &data[3], nullptr};
  const uint8_t block[5] = {1, 2, 3, 4, 5};
  COvMemoryAreas_PS3 ps3;
  ps3.AddBlock(block, 5, 16, 0, false);
  ps3.AddBlock(block, 4, 128, 1, true);
  COvMemoryAreas_360 x360;
  x360.AddBlockMain(block, 3, 8, 2);
  for (const auto& [name, areas] : {std::pair<const char*, const COvMemoryAreas*>{"ps3.asset", &ps3},
                                    std::pair<const char*, const COvMemoryAreas*>{"x360.asset", &x360}}) {
    COvMemoryArea image;
    CreateAssetFile(*areas, data, sizeof(data), 16, image, pointers);
    AddSeed(output / "fuzz_asset_header", name,
            std::string(reinterpret_cast<const char*>(image.GetData()), image.GetSize()));
  }
}
namespace {

// Sets the 32-bit little-endian field at offset of bytes.
std::string Patch32(std::string bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4 && offset + i < bytes.size(); ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

std::string CompressedFileSeed(const fs::path& work, const std::string& text) {
  const fs::path path = work / "data.ovc";
  OvSaveCompressedFile(path.string().c_str(), text.data(), static_cast<int>(text.size()));
  return ReadAll(path);
}

// An archive of a text, a compressed file and an empty file, under names a game would use.
std::string ArchiveSeed(const fs::path& work, bool swap) {
  const fs::path text = work / "a.xml", compressed = work / "b.ovc", empty = work / "c.bin";
  WriteAll(text, XmlSeed());
  WriteAll(compressed, CompressedFileSeed(work, XmlSeed()));
  WriteAll(empty, "");
  COvBigFileGenerator generator;
  generator.AddFile(text.string().c_str(), "Data/Scene.xml");
  generator.AddFile(compressed.string().c_str(), "data/scene.ovc");
  generator.AddFile(empty.string().c_str(), "");
  const fs::path path = work / "archive.big";
  generator.Save(path.string().c_str(), swap, false);
  return ReadAll(path);
}

// Four control bytes (buffer size, chunk size less one, header limit: see fuzz_http_response.cpp), then
// what the server sends.
std::string ResponseSeed(unsigned bufferSize, unsigned chunkSize, unsigned headerLimit, const std::string& sent) {
  const unsigned chunk = chunkSize - 1;
  std::string control{static_cast<char>(bufferSize & 0xFF),
                      static_cast<char>((bufferSize >> 8 & 0x0F) | (chunk >> 4 & 0xF0)),
                      static_cast<char>(chunk & 0xFF), static_cast<char>(headerLimit)};
  return control + sent;
}

void AddArchiveAndResponseSeeds(const fs::path& output, const fs::path& work) {
  const fs::path archives = output / "fuzz_bigfile_table";
  const std::string archive = ArchiveSeed(work, false);
  AddSeed(archives, "archive.big", archive);
  AddSeed(archives, "swapped.big", ArchiveSeed(work, true));
  // The first record: S, count, CRC, "Data/Scene.xml" and its terminator, then offset and size.
  const size_t firstOffset = 8 + 8 + 15;
  AddSeed(archives, "huge-size.big", Patch32(archive, firstOffset + 4, 0x7FFFFFFF));
  AddSeed(archives, "offset-past-end.big", Patch32(archive, firstOffset, 0x7FFFFFF0));
  AddSeed(archives, "table-past-end.big", Patch32(archive, 0, static_cast<uint32_t>(archive.size())));
  AddSeed(archives, "count-too-large.big", Patch32(archive, 4, 1000));

  const fs::path files = output / "fuzz_compressed_file";
  const std::string compressed = CompressedFileSeed(work, XmlSeed());
  AddSeed(files, "text.ovc", compressed);
  AddSeed(files, "empty.ovc", CompressedFileSeed(work, ""));
  AddSeed(files, "plain.xml", XmlSeed());
  AddSeed(files, "size-too-large.ovc", Patch32(compressed, kOvCompressedSizeOffset, uint32_t(XmlSeed().size() * 4)));
  AddSeed(files, "size-too-small.ovc", Patch32(compressed, kOvCompressedSizeOffset, uint32_t(XmlSeed().size() / 2)));
  AddSeed(files, "size-negative.ovc", Patch32(compressed, kOvCompressedSizeOffset, 0xFFFFFFFFu));

  const fs::path responses = output / "fuzz_http_response";
  const std::string header = "HTTP/1.0 200 OK\r\nServer: test\r\nContent-Length: 4\r\n\r\n";
  AddSeed(responses, "ok.txt", ResponseSeed(64, 4095, 0xFF, header + "abcd"));
  AddSeed(responses, "ok-split.txt", ResponseSeed(4, 3, 0xFF, header + "abcd"));
  AddSeed(responses, "too-large.txt", ResponseSeed(3, 5, 0xFF, header + "abcd"));
  AddSeed(responses, "not-found.txt", ResponseSeed(64, 4095, 0xFF, "HTTP/1.0 404 Not Found\r\n\r\nmissing"));
  AddSeed(responses, "no-blank-line.txt", ResponseSeed(64, 2, 0xFF, "HTTP/1.0 200 OK\r\nhello"));
  AddSeed(responses, "header-limit.txt", ResponseSeed(64, 1, 2, header + "abcd"));
  AddSeed(responses, "short.txt", ResponseSeed(64, 4095, 0xFF, "\r\n\r\nab"));
}

}  // namespace
