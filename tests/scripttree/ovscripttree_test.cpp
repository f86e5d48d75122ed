// Tests of COvScriptTree: root handling, deletion, deep copies and lookups by path.
#include "scripttree/ovscripttree.h"

#include <gtest/gtest.h>

namespace {

COvScriptTreeNode* AddNode(COvScriptTreeNode* parent, const char* name, const char* attribute = nullptr,
                           const char* value = nullptr) {
  COvScriptTreeNode* node = new COvScriptTreeNode(COvIdentifier(name));
  if (attribute) node->AddAttribute(COvScriptTreeAttribute(COvIdentifier(attribute), value));
  parent->AddChild(node);
  return node;
}

TEST(ScriptTreeRoot, StartsEmptyAndEmptyDeletesEverything) {
  COvScriptTree tree;
  EXPECT_EQ(nullptr, tree.GetRootNode());
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("Root"));
  ASSERT_NE(nullptr, root);
  EXPECT_EQ(root, tree.GetRootNode());
  EXPECT_EQ(COvIdentifier("root"), root->GetIdentifier());
  AddNode(AddNode(root, "a"), "b");
  tree.Empty();
  EXPECT_EQ(nullptr, tree.GetRootNode());
  tree.Empty();
}

TEST(ScriptTreeCopy, CopiesAreDeepAndIndependent) {
  COvScriptTree tree;
  AddNode(tree.CreateRootNode(COvIdentifier("root")), "child", "k", "v");
  COvScriptTree copy(tree);
  ASSERT_NE(nullptr, copy.GetRootNode());
  EXPECT_NE(tree.GetRootNode(), copy.GetRootNode());
  EXPECT_TRUE(*copy.GetRootNode() == *tree.GetRootNode());

  COvScriptTree assigned;
  assigned.CreateRootNode(COvIdentifier("old"));
  assigned = tree;
  EXPECT_TRUE(*assigned.GetRootNode() == *tree.GetRootNode());
  tree.Empty();
  assigned = tree;
  EXPECT_EQ(nullptr, assigned.GetRootNode());
  EXPECT_NE(nullptr, copy.GetRootNode());
}

class ScriptTreePath : public ::testing::Test {
 protected:
  void SetUp() override {
    // Root: child (no name), child (name "second", size "2.5"), other (name "x").
    COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("Root"));
    AddNode(root, "child", "other", "1");
    COvScriptTreeNode* second = AddNode(root, "Child", "name", "second");
    second->AddAttribute(COvScriptTreeAttribute(COvIdentifier("size"), "2.5"));
    second->AddAttribute(COvScriptTreeAttribute(COvIdentifier("count"), "12"));
    AddNode(root, "other", "name", "x");
    COvScriptTreeNode* deep = AddNode(AddNode(root, "a"), "b");
    AddNode(deep, "c", "v", "first c");
    AddNode(AddNode(root, "a"), "b", "w", "later b");
  }
  COvScriptTree tree;
};

TEST_F(ScriptTreePath, SlashesAndBackslashesSeparateCaseInsensitiveNames) {
  const char* paths[] = {"root/child/Name", "root\\child\\Name", "/ROOT//CHILD/name/", "Root\\child/NAME"};
  for (const char* path : paths) {
    SCOPED_TRACE(path);
    TOvString<char> out;
    EXPECT_TRUE(tree.GetValueAsString(path, out));
    EXPECT_STREQ("second", out.GetBuffer());
  }
}

TEST_F(ScriptTreePath, BacktracksAcrossSiblingsOfTheSameName) {
  TOvString<char> out;
  EXPECT_TRUE(tree.GetValueAsString("root/a/b/c/v", out));
  EXPECT_STREQ("first c", out.GetBuffer());
  EXPECT_TRUE(tree.GetValueAsString("root/a/b/w", out));
  EXPECT_STREQ("later b", out.GetBuffer());
}

TEST_F(ScriptTreePath, FailuresLeaveTheOutputUnchanged) {
  const char* paths[] = {"", "name", "root", "other/child/name", "root/missing/name", "root/child/missing",
                         "root/a/b/c/d/v"};
  for (const char* path : paths) {
    SCOPED_TRACE(path);
    TOvString<char> out("unchanged");
    EXPECT_FALSE(tree.GetValueAsString(path, out));
    EXPECT_STREQ("unchanged", out.GetBuffer());
  }
  TOvString<char> out("unchanged");
  COvScriptTree empty;
  EXPECT_FALSE(empty.GetValueAsString("root/child/name", out));
}

TEST_F(ScriptTreePath, NumbersAndTheLookupThatFindsNothing) {
  float size = 0.0f;
  EXPECT_TRUE(tree.GetValueAsFloat("root/child/size", size));
  EXPECT_EQ(2.5f, size);
  int count = 0;
  EXPECT_TRUE(tree.GetValueAsInt("root/child/count", count));
  EXPECT_EQ(12, count);
  int unchanged = 5;
  EXPECT_FALSE(tree.GetValueAsInt("root/child/absent", unchanged));
  EXPECT_EQ(5, unchanged);
  EXPECT_FALSE(tree.GetValue("root/child/name"));
}

}  // namespace
