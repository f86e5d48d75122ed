// End-to-end runs of OvDataTool: every command through the built executable, the round trips,
// and the message and status of each bad input. Outputs go to captured pipes, so none of the
// runs may show a progress line.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "bigfile/ovbigfilegenerator.h"
#include "bigfile/ovcompressedfilewriter.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

const char kLevelXml[] =
    "<level name=\"intro\" version=\"3\">\n"
    "    <spawn x=\"1.500000\" count=\"12\"/>\n"
    "    <light color=\"warm white\"/>\n"
    "</level>\n";

// Little-endian 32-bit words, as the engine's files hold them.
std::string Le32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Le64(uint64_t value) { return Le32(static_cast<uint32_t>(value)) + Le32(static_cast<uint32_t>(value >> 32)); }

// Bytes no compressor shrinks to nothing and no format mistakes for text.
std::string SampleBytes(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& c : bytes) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
  return bytes;
}

class DataTool : public ::testing::Test {
 protected:
  ProgramResult Run(const std::vector<std::string>& arguments) {
    return RunProgram(BuiltProgramPath("OvDataTool"), arguments, dir.Path(), 120);
  }
  // Runs a command that must succeed silently: output files only, no progress line.
  void RunQuietly(const std::vector<std::string>& arguments) {
    ProgramResult result = Run(arguments);
    ASSERT_TRUE(result.started);
    EXPECT_EQ(0, result.exitCode) << result.err;
    EXPECT_EQ("", result.out);
    EXPECT_EQ("", result.err);
  }
  std::string Read(const std::string& relative) const { return ReadFileBytes(dir.Join(relative)); }
  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
      names.insert(std::filesystem::relative(entry.path(), dir.Path()).generic_string());
    return names;
  }

  TempDir dir;
};

TEST_F(DataTool, HelpIsTheParsersOwn) {
  ProgramResult result = Run({"--help"});
  EXPECT_EQ(0, result.exitCode);
  std::string out = WithoutCarriageReturns(result.out);
  EXPECT_EQ(0u, out.find("OvDataTool: lists, extracts and converts the engine's data files.\n"
                         "Exit status: 0 success, 1 bad usage, 2 failed input (missing, unreadable or damaged),"
                         " 3 failed output.\nUsage: program [command [subcommand...]]"));
  EXPECT_NE(std::string::npos, out.find(" * extract : bigfile extract FILE DIR [NAME...]"));
}

TEST_F(DataTool, BigFilePackListExtract) {
  dir.WriteFile("in/a.txt", "hello");
  dir.WriteFile("in/empty", "");
  const std::string binary = SampleBytes(70000);
  dir.WriteFile("in/sub/z.bin", binary);
  ASSERT_TRUE(OvSaveCompressedFile(dir.Join("in/sub/z.ovz").c_str(), binary.data(), 70000));
  const std::string compressed = Read("in/sub/z.ovz");
  RunQuietly({"bigfile", "pack", "in", "game.bf"});

  // Table size 4 + (17 + 5) + (17 + 5) + (17 + 9) + (17 + 9) = 100, so data start at 104.
  ProgramResult list = Run({"bigfile", "list", "game.bf"});
  EXPECT_EQ(0, list.exitCode);
  EXPECT_EQ("a.txt\t5\t104\tplain\nempty\t0\t109\tplain\nsub/z.bin\t70000\t109\tplain\nsub/z.ovz\t" +
                std::to_string(compressed.size()) + "\t70109\tcompressed\n",
            WithoutCarriageReturns(list.out));

  RunQuietly({"bigfile", "extract", "game.bf", "out/all"});
  for (const char* name : {"a.txt", "empty", "sub/z.bin", "sub/z.ovz"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Read(std::string("in/") + name), Read(std::string("out/all/") + name));
  }
  // Names are found without regard to case; only the named entries come out.
  RunQuietly({"bigfile", "extract", "game.bf", "out/one", "SUB/Z.BIN"});
  EXPECT_EQ(binary, Read("out/one/sub/z.bin"));
  EXPECT_FALSE(FileExists(dir.Join("out/one/a.txt")));
}

TEST_F(DataTool, SmlThroughXmlAndBack) {
  dir.WriteFile("level.xml", kLevelXml);
  RunQuietly({"sml", "from-xml", "level.xml", "level.sml"});
  ProgramResult xml = Run({"sml", "to-xml", "level.sml"});
  EXPECT_EQ(0, xml.exitCode);
  EXPECT_EQ(kLevelXml, WithoutCarriageReturns(xml.out));
  RunQuietly({"sml", "to-xml", "level.sml", "again.xml"});
  EXPECT_EQ(kLevelXml, WithoutCarriageReturns(Read("again.xml")));
  RunQuietly({"sml", "from-xml", "level.xml", "swapped.sml", "--swap"});
  EXPECT_EQ(Read("level.sml").size(), Read("swapped.sml").size());
  EXPECT_NE(Read("level.sml"), Read("swapped.sml"));
}

TEST_F(DataTool, CompressDecompressRoundTrip) {
  const std::string input = SampleBytes(300000) + std::string(200000, 'x');
  dir.WriteFile("data.bin", input);
  RunQuietly({"compress", "data.bin", "data.ovz"});
  EXPECT_EQ("OVCOMPRESSED", Read("data.ovz").substr(0, 12));
  EXPECT_LT(Read("data.ovz").size(), input.size());
  RunQuietly({"decompress", "data.ovz", "back.bin"});
  EXPECT_EQ(input, Read("back.bin"));
}

TEST_F(DataTool, HashFileListsInSlotOrder) {
  // The table files a CRC by its low bits, so 0x...01 comes before 0x...02 whatever the file order.
  dir.WriteFile("ids.hash", Le32(2) + Le32(4) + "mesh" + Le64(0xAB00000000000002ull) + Le32(7) + "texture" +
                                Le64(0xCD00000000000001ull));
  ProgramResult result = Run({"hashfile", "list", "ids.hash"});
  EXPECT_EQ(0, result.exitCode);
  EXPECT_EQ("CD00000000000001 texture\nAB00000000000002 mesh\n", WithoutCarriageReturns(result.out));
}

TEST_F(DataTool, BadInputsFailWithTheirMessageAndWriteNothing) {
  dir.WriteFile("plain.bin", "no header here, just text that is long enough to be read");
  dir.WriteFile("bad.xml", "<a><b>");
  dir.WriteFile("level.xml", kLevelXml);
  RunQuietly({"sml", "from-xml", "level.xml", "level.sml"});
  dir.WriteFile("cut.sml", Read("level.sml").substr(0, 30));
  dir.WriteFile("damaged.bf", Le32(0x7FFFFFF0) + Le32(1) + "name");
  dir.WriteFile("cut.hash", Le32(3) + Le32(4) + "mesh" + Le64(1));
  const std::string data = SampleBytes(50000);
  ASSERT_TRUE(OvSaveCompressedFile(dir.Join("full.ovz").c_str(), data.data(), 50000));
  dir.WriteFile("cut.ovz", Read("full.ovz").substr(0, 20000));
  COvBigFileGenerator evil;
  ASSERT_TRUE(evil.AddFile(dir.Join("plain.bin").c_str(), "../escaped.txt"));
  ASSERT_TRUE(evil.Save(dir.Join("evil.bf").c_str(), false, false));
  const std::set<std::string> before = Files();
  const std::string plain = Read("plain.bin");

  struct Row {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const Row rows[] = {
      {{}, 1, "no command given (OvDataTool --help lists the commands)"},
      {{"frob"}, 1, "unknown command 'frob' (OvDataTool --help lists the commands)"},
      {{"--frob"}, 1, "Unknown long form parameter: --frob. (OvDataTool --help lists the commands)"},
      {{"bigfile"}, 1, "bigfile: missing or unknown command (OvDataTool --help lists them)"},
      {{"bigfile", "list"}, 1, "missing argument; usage: OvDataTool bigfile list FILE"},
      {{"compress", "a", "b", "c"}, 1, "unexpected argument 'c'; usage: OvDataTool compress IN OUT"},
      {{"compress", "plain.bin", "plain.bin"}, 1,
       "plain.bin: output is the input file plain.bin; refusing to overwrite it"},
      {{"bigfile", "list", "missing.bf"}, 2, "missing.bf: no such file"},
      {{"bigfile", "list", "damaged.bf"}, 2, "damaged.bf: not a big file (its entry table is damaged or cut short)"},
      {{"bigfile", "extract", "evil.bf", "out"}, 2,
       "evil.bf: entry '../escaped.txt' has a name that leads outside the folder; not extracted"},
      {{"bigfile", "extract", "evil.bf", "out", "other"}, 2, "evil.bf: no entry named 'other'"},
      {{"bigfile", "pack", "nothing", "x.bf"}, 2, "nothing: no such folder"},
      {{"sml", "to-xml", "cut.sml"}, 2, "cut.sml: not an SML file (damaged or cut short)"},
      {{"sml", "from-xml", "bad.xml", "x.sml"}, 2, "bad.xml: not a well-formed XML document"},
      {{"decompress", "plain.bin", "x"}, 2, "plain.bin: not a compressed file (no OVCOMPRESSED header)"},
      {{"decompress", "cut.ovz", "x"}, 2, "cut.ovz: compressed data damaged or cut short"},
      {{"hashfile", "list", "cut.hash"}, 2, "cut.hash: not a hash file (damaged or cut short)"},
      {{"compress", "plain.bin", "no/such/folder/x.ovz"}, 3, "no/such/folder/x.ovz: cannot be written"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.err);
    ProgramResult result = Run(row.args);
    ASSERT_TRUE(result.started);
    EXPECT_EQ(row.status, result.exitCode);
    EXPECT_EQ(0u, WithoutCarriageReturns(result.err).find("OvDataTool: " + row.err)) << result.err;
    EXPECT_EQ("", result.out);
    EXPECT_EQ(before, Files());
  }
  EXPECT_EQ(plain, Read("plain.bin"));
}

}  // namespace
