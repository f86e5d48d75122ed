// Speed of the script tree's XML serializer.
//
// Dump and Save of trees of 200,000 and 2,000,000 nodes: the time per node must stay flat
// (output built without quadratic copying). Parse and Load of a 20 MB document: compared with
// TinyXML's own parse (and LoadFile) of the same text, measured alternately in the same run;
// the reported ratios are medians of the per-round ratios, on wall-clock and processor time.
#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "scripttree/ovscripttreeserializerxml.h"

namespace {

// A configuration-like tree: groups of entries, each with three attributes, every tenth
// entry with two children of its own. nodeCount counts every node.
void BuildTree(COvScriptTree& tree, int nodeCount) {
  const COvIdentifier group("group"), entry("entry"), item("item"), name("name"), path("path"),
      size("size");
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("configuration"));
  int made = 1;
  COvScriptTreeNode* current = nullptr;
  while (made < nodeCount) {
    if (!current || current->GetChildCount() == 100) {
      current = new COvScriptTreeNode(group);
      current->AddAttribute(COvScriptTreeAttribute(name, made));
      root->AddChild(current);
      ++made;
      continue;
    }
    COvScriptTreeNode* node = new COvScriptTreeNode(entry);
    node->AddAttribute(COvScriptTreeAttribute(name, "Entry & <friends>"));
    node->AddAttribute(COvScriptTreeAttribute(path, "C:\\Games\\Demo\\content\\file.dat"));
    node->AddAttribute(COvScriptTreeAttribute(size, 12345));
    current->AddChild(node);
    ++made;
    for (int i = 0; i < 2 && made < nodeCount && made % 10 == 0; ++i, ++made) {
      COvScriptTreeNode* child = new COvScriptTreeNode(item);
      child->AddAttribute(COvScriptTreeAttribute(name, "x &quot;y&quot;"));
      node->AddChild(child);
    }
  }
}

void BM_Dump(benchmark::State& state) {
  COvScriptTree tree;
  BuildTree(tree, static_cast<int>(state.range(0)));
  COvScriptTreeSerializerXML serializer;
  size_t bytes = 0;
  for (auto _ : state) {
    TOvString<char> out;
    serializer.Dump(tree, out);
    bytes = static_cast<size_t>(out.GetLength());
    benchmark::DoNotOptimize(out.GetBuffer());
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  state.counters["ns_per_node"] =
      benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
  state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_Dump)->Arg(200000)->Arg(2000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Save(benchmark::State& state) {
  COvScriptTree tree;
  BuildTree(tree, static_cast<int>(state.range(0)));
  COvScriptTreeSerializerXML serializer;
  std::string path = (std::filesystem::temp_directory_path() / "ov_xml_bench_save.xml").string();
  for (auto _ : state) {
    // Overwriting would also time the truncation of the previous file's pages.
    state.PauseTiming();
    std::filesystem::remove(path);
    state.ResumeTiming();
    serializer.Save(tree, path.c_str());
  }
  state.counters["ns_per_node"] =
      benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
  std::filesystem::remove(path);
}
BENCHMARK(BM_Save)->Arg(200000)->Arg(2000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// About targetBytes of XML in the same configuration-like shape.
std::string MakeDocument(size_t targetBytes) {
  std::string text = "<?xml version=\"1.0\"?>\n<Configuration Version=\"3\">\n";
  int n = 0;
  while (text.size() < targetBytes) {
    text += "  <Group Name=\"Group" + std::to_string(n) + "\">\n";
    for (int i = 0; i < 50; ++i, ++n) {
      text += "    <Build Name=\"Build" + std::to_string(n) +
              "\" Platform=\"Windows\" Args=\"-x &quot;y z&quot;\" Path=\"C:\\Games\\Demo\\Content\"";
      if (i % 5 == 0) {
        text += ">\n      <Arch Type=\"x86_64\" Enabled=\"1\"/>\n      <!-- note -->\n    </Build>\n";
      } else {
        text += "/>\n";
      }
    }
    text += "  </Group>\n";
  }
  text += "</Configuration>\n";
  return text;
}

// Wall-clock and processor time (the machine is shared: processor time is the steadier).
struct Stamp {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  std::clock_t cpu = std::clock();
};
struct Elapsed {
  double wall, cpu;
};
Elapsed Since(const Stamp& start) {
  Stamp now;
  return {std::chrono::duration<double>(now.wall - start.wall).count(),
          static_cast<double>(now.cpu - start.cpu) / CLOCKS_PER_SEC};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs tinyXml and ours alternately (the order swapping every round) once per iteration and
// reports the median times and the median of the per-round ratios ours / tinyXml.
template <typename TinyXml, typename Ours>
void CompareAlternately(benchmark::State& state, TinyXml tinyXml, Ours ours) {
  std::vector<double> tinyWall, tinyCpu, oursWall, oursCpu, ratioWall, ratioCpu;
  int round = 0;
  for (auto _ : state) {
    Elapsed tiny{}, own{};
    for (int order = 0; order < 2; ++order) {
      if ((order + round) % 2 == 0) {
        tiny = tinyXml();
      } else {
        own = ours();
      }
    }
    ++round;
    tinyWall.push_back(tiny.wall);
    tinyCpu.push_back(tiny.cpu);
    oursWall.push_back(own.wall);
    oursCpu.push_back(own.cpu);
    ratioWall.push_back(own.wall / tiny.wall);
    ratioCpu.push_back(own.cpu / tiny.cpu);
  }
  state.counters["tinyxml_ms"] = Median(tinyWall) * 1e3;
  state.counters["tinyxml_cpu_ms"] = Median(tinyCpu) * 1e3;
  state.counters["ov_ms"] = Median(oursWall) * 1e3;
  state.counters["ov_cpu_ms"] = Median(oursCpu) * 1e3;
  state.counters["ratio"] = Median(ratioWall);
  state.counters["ratio_cpu"] = Median(ratioCpu);
}

// TinyXML parsing the text and freeing its document, against the serializer's Parse (TinyXML
// parse, tree building, document freed; the tree's own deletion is not counted).
void BM_ParseVsTinyXml(benchmark::State& state) {
  const std::string text = MakeDocument(20u << 20);
  const TOvString<char> ovText(text.c_str());
  COvScriptTreeSerializerXML serializer;
  CompareAlternately(
      state,
      [&] {
        Stamp start;
        auto* document = new TiXmlDocument();
        document->Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
        benchmark::DoNotOptimize(document->RootElement());
        delete document;
        return Since(start);
      },
      [&] {
        COvScriptTree tree;
        Stamp start;
        serializer.Parse(tree, ovText);
        Elapsed elapsed = Since(start);
        benchmark::DoNotOptimize(tree.GetRootNode());
        return elapsed;
      });
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ParseVsTinyXml)->Iterations(9)->Unit(benchmark::kMillisecond);

// The same against TinyXML with row and column tracking off, as the serializer runs it: what
// the tree building alone adds.
void BM_ParseVsTinyXmlWithoutPositions(benchmark::State& state) {
  const std::string text = MakeDocument(20u << 20);
  const TOvString<char> ovText(text.c_str());
  COvScriptTreeSerializerXML serializer;
  CompareAlternately(
      state,
      [&] {
        Stamp start;
        auto* document = new TiXmlDocument();
        document->SetTabSize(0);
        document->Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
        benchmark::DoNotOptimize(document->RootElement());
        delete document;
        return Since(start);
      },
      [&] {
        COvScriptTree tree;
        Stamp start;
        serializer.Parse(tree, ovText);
        Elapsed elapsed = Since(start);
        benchmark::DoNotOptimize(tree.GetRootNode());
        return elapsed;
      });
}
BENCHMARK(BM_ParseVsTinyXmlWithoutPositions)->Iterations(9)->Unit(benchmark::kMillisecond);

// The same from a file: TiXmlDocument::LoadFile against the serializer's Load.
void BM_LoadVsTinyXml(benchmark::State& state) {
  const std::string text = MakeDocument(20u << 20);
  std::string path = (std::filesystem::temp_directory_path() / "ov_xml_bench_load.xml").string();
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
  COvScriptTreeSerializerXML serializer;
  CompareAlternately(
      state,
      [&] {
        Stamp start;
        auto* document = new TiXmlDocument();
        document->LoadFile(path.c_str(), TIXML_ENCODING_UNKNOWN);
        benchmark::DoNotOptimize(document->RootElement());
        delete document;
        return Since(start);
      },
      [&] {
        COvScriptTree tree;
        Stamp start;
        serializer.Load(tree, path.c_str());
        Elapsed elapsed = Since(start);
        benchmark::DoNotOptimize(tree.GetRootNode());
        return elapsed;
      });
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadVsTinyXml)->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
