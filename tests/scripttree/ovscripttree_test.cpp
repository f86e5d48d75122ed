// Tests of COvScriptTree: root handling, deletion, deep copies and lookups by path.
#include "scripttree/ovscripttree.h"

#include <gtest/gtest.h>

#include "tree_nodes.h"

namespace {

TEST(ScriptTree, EmptyDeletesEverythingAndCopiesAreDeepAndIndependent) {
  COvScriptTree tree;
  EXPECT_EQ(nullptr, tree.GetRootNode());
  COvScriptTreeNode* root = tree.CreateRootNode("Root");
  EXPECT_EQ(root, tree.GetRootNode());
  AddNode(AddNode(root, "child", "k", "v"), "b");
  COvScriptTree copy(tree);
  EXPECT_NE(tree.GetRootNode(), copy.GetRootNode());
  EXPECT_TRUE(*copy.GetRootNode() == *tree.GetRootNode());
  COvScriptTree assigned;
  assigned.CreateRootNode("old");
  assigned = tree;
  EXPECT_TRUE(*assigned.GetRootNode() == *tree.GetRootNode());
  tree.Empty();
  tree.Empty();
  EXPECT_EQ(nullptr, tree.GetRootNode());
  assigned = tree;
  EXPECT_EQ(nullptr, assigned.GetRootNode());
  EXPECT_NE(nullptr, copy.GetRootNode());
}

TEST(ScriptTree, PathsNameCaseInsensitiveNodesAndBacktrackAcrossSiblingsOfTheSameName) {
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode("Root");
  AddNode(root, "child", "other", "1");
  COvScriptTreeNode* second = AddNode(root, "Child", "name", "second");
  second->AddAttribute(COvScriptTreeAttribute("size", "2.5"));
  second->AddAttribute(COvScriptTreeAttribute("count", "12"));
  AddNode(root, "other", "name", "x");
  AddNode(AddNode(AddNode(root, "a"), "b"), "c", "v", "first c");
  AddNode(AddNode(root, "a"), "b", "w", "later b");
  const struct {
    const char* path;
    const char* value;  // null: not found
  } rows[] = {
      {"root/child/Name", "second"},
      {"/ROOT//CHILD/name/", "second"},
      {"Root\\child/NAME", "second"},
      {"root/a/b/c/v", "first c"},
      {"root/a/b/w", "later b"},
      {"", nullptr},
      {"name", nullptr},
      {"root", nullptr},
      {"other/child/name", nullptr},
      {"root/missing/name", nullptr},
      {"root/child/missing", nullptr},
      {"root/a/b/c/d/v", nullptr},
  };
  COvScriptTree empty;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    TOvString<char> out("unchanged");
    EXPECT_EQ(row.value != nullptr, tree.GetValueAsString(row.path, out));
    EXPECT_STREQ(row.value ? row.value : "unchanged", out.GetBuffer());
    EXPECT_FALSE(empty.GetValueAsString(row.path, out));
  }
  float size = 0.0f;
  int count = 0, unchanged = 5;
  EXPECT_TRUE(tree.GetValueAsFloat("root/child/size", size) && tree.GetValueAsInt("root/child/count", count));
  EXPECT_TRUE(size == 2.5f && count == 12);
  EXPECT_FALSE(tree.GetValueAsInt("root/child/absent", unchanged) ||
               tree.GetValueAsFloat("root/absent", size));
  EXPECT_EQ(5, unchanged);
  EXPECT_FALSE(tree.GetValue("root/child/name"));
}

}  // namespace
