// Tests of COvScriptTreeNode: typed getters, attribute and child management, searches,
// copies, assignment, equality and deletion, including very deep subtrees.
#include "scripttree/ovscripttreenode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

COvScriptTreeNode* MakeNode(const char* name, const char* attribute = nullptr, const char* value = nullptr) {
  COvScriptTreeNode* node = new COvScriptTreeNode(name);
  if (attribute) node->AddAttribute(COvScriptTreeAttribute(attribute, value));
  return node;
}

// Owns a node and deletes its whole subtree at the end of the test.
struct OwnedNode {
  explicit OwnedNode(COvScriptTreeNode* node) : node(node) {}
  ~OwnedNode() { COvScriptTreeNode::DeleteSubtree(node); }
  COvScriptTreeNode* operator->() const { return node; }
  COvScriptTreeNode& operator*() const { return *node; }
  COvScriptTreeNode* node;
};

// A chain of depth nodes, each the only child of the one before.
COvScriptTreeNode* MakeChain(int depth) {
  COvScriptTreeNode* root = MakeNode("level", "n", "0");
  for (COvScriptTreeNode* current = root; depth > 1; --depth) {
    current->AddChild(MakeNode("level", "n", std::to_string(depth).c_str()));
    current = current->GetChild(0);
  }
  return root;
}

// The names of a node's children, each followed by ';'.
std::string ChildNames(const COvScriptTreeNode& node) {
  std::string names;
  for (int i = 0; i < node.GetChildCount(); ++i)
    names += node.GetChild(i)->GetIdentifier().DebugString().GetBuffer() + std::string(";");
  return names;
}

TEST(ScriptTreeNodeGetters, MissingOrUnparsableValuesGiveDefaultsAndLeaveOutputs) {
  COvScriptTreeNode node("node");
  node.AddAttribute(COvScriptTreeAttribute("bad", "abc"));
  node.AddAttribute(COvScriptTreeAttribute("rgb", COvRGB<float>(1.0f, 0.5f, 0.0f)));
  EXPECT_TRUE(node.GetAttributeValueAsString("missing").IsEmpty() &&
              node.GetAttributeValueAsBoolDefault("missing", true) &&
              node.GetAttributeValueAsIntDefault("missing", -4) == -4 &&
              node.GetAttributeValueAsFloatDefault("missing", 2.5f) == 2.5f &&
              node.GetAttributeValueAsU64("missing") == 0u &&
              node.GetAttributeValueAsIntDefault("bad", 5) == 0);
  TOvString<char> text("keep");
  TOvString<wchar_t> wide(L"keep");
  bool flag = true;
  uint64_t big = 7;
  EXPECT_FALSE(node.GetAttributeValueAsString("missing", text) ||
               node.GetAttributeValueAsWString("missing", wide) ||
               node.GetAttributeValueAsBool("missing", flag) || node.GetAttributeValueAsU64("missing", big));
  EXPECT_TRUE(text == "keep" && wide == L"keep" && flag && big == 7u);
  for (const char* name : {"missing", "bad"}) {
    SCOPED_TRACE(name);
    int number = 7;
    float real = 7.5f;
    COvVector2 v2(1, 2);
    COvVector3 v3(1, 2, 3);
    COvRGB<float> rgb(1, 2, 3);
    COvRGBA<float> rgba(1, 2, 3, 4);
    COvQuaternion q(1, 2, 3, 4);
    EXPECT_FALSE(node.GetAttributeValueAsInt(name, number) || node.GetAttributeValueAsFloat(name, real) ||
                 node.GetAttributeValueAsVector2(name, v2) || node.GetAttributeValueAsVector3(name, v3) ||
                 node.GetAttributeValueAsColor(name, rgb) || node.GetAttributeValueAsColor(name, rgba) ||
                 node.GetAttributeValueAsQuaternion(name, q));
    EXPECT_TRUE(number == 7 && real == 7.5f && v2 == COvVector2(1, 2) && v3 == COvVector3(1, 2, 3) &&
                rgb.b == 3.0f && rgba.a == 4.0f && q == COvQuaternion(1, 2, 3, 4));
  }
  // An RGB text is one number short for RGBA.
  COvRGBA<float> untouched(9, 9, 9, 9);
  EXPECT_FALSE(node.GetAttributeValueAsColor("rgb", untouched));
  EXPECT_EQ(9.0f, untouched.r);
}

TEST(ScriptTreeNodeGetters, NumbersVectorsColoursAndQuaternionsReadTheirText) {
  COvScriptTreeNode node("node");
  node.AddAttribute(COvScriptTreeAttribute("hex", uint64_t{255}));
  node.AddAttribute(COvScriptTreeAttribute("v3", COvVector3(1.0f, -2.5f, 0.125f)));
  node.AddAttribute(COvScriptTreeAttribute("q", COvQuaternion(0.5f, 0.25f, -1.0f, 2.0f)));
  node.AddAttribute(COvScriptTreeAttribute("rgb", COvRGB<float>(1.0f, 0.5f, 0.0f)));
  node.AddAttribute(COvScriptTreeAttribute("rgba", COvRGBA<float>(0.0f, 0.25f, 0.5f, 0.75f)));
  const char* const texts[][2] = {
      {"lead", "  -17xyz"}, {"dec", "1234567890123"}, {"oct", "010"}, {"real", "2.5e1"}, {"v2", "3\t\n 4"}};
  for (const auto& text : texts) node.AddAttribute(COvScriptTreeAttribute(text[0], text[1]));
  int number = 0;
  float real = 0.0f;
  uint64_t big = 0;
  EXPECT_TRUE(node.GetAttributeValueAsInt("lead", number) && number == -17);
  EXPECT_TRUE(node.GetAttributeValueAsFloat("real", real) && real == 25.0f);
  EXPECT_TRUE(node.GetAttributeValueAsInt("lead") == -17 && node.GetAttributeValueAsFloat("real") == 25.0f);
  // 64-bit values read as "%lli" does: hexadecimal, decimal and octal.
  EXPECT_TRUE(node.GetAttributeValueAsU64("dec", big) && big == 1234567890123u);
  EXPECT_TRUE(node.GetAttributeValueAsU64("hex") == 255u && node.GetAttributeValueAsU64("oct") == 8u);
  COvVector2 v2;
  COvVector3 v3;
  COvQuaternion q;
  COvRGB<float> rgb;
  COvRGBA<float> rgba;
  EXPECT_TRUE(node.GetAttributeValueAsVector2("v2", v2) && v2 == COvVector2(3.0f, 4.0f));
  EXPECT_TRUE(node.GetAttributeValueAsVector3("v3", v3) && v3 == COvVector3(1.0f, -2.5f, 0.125f));
  EXPECT_TRUE(node.GetAttributeValueAsQuaternion("q", q) && q == COvQuaternion(0.5f, 0.25f, -1.0f, 2.0f));
  EXPECT_TRUE(node.GetAttributeValueAsColor("rgb", rgb) && rgb.r == 1.0f && rgb.g == 0.5f && rgb.b == 0.0f);
  EXPECT_TRUE(node.GetAttributeValueAsColor("rgba", rgba) && rgba.r == 0.0f && rgba.g == 0.25f &&
              rgba.b == 0.5f && rgba.a == 0.75f);
}

TEST(ScriptTreeNodeGetters, BoolTextsAreCaseSensitive) {
  const struct {
    const char* text;
    bool expected;
  } rows[] = {{"1", true},  {"true", true},   {"TRUE", false}, {"True", false}, {"yes", false},
              {"0", false}, {"false", false}, {"", false},     {"1 ", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    COvScriptTreeNode n("n");
    n.AddAttribute(COvScriptTreeAttribute("flag", row.text));
    bool out = !row.expected;
    EXPECT_TRUE(n.GetAttributeValueAsBool("flag", out) && out == row.expected);
    EXPECT_EQ(row.expected, n.GetAttributeValueAsBool("flag"));
    EXPECT_EQ(row.expected, n.GetAttributeValueAsBoolDefault("flag", !row.expected));
  }
}

TEST(ScriptTreeNodeAttributes, DuplicateNamesSeeTheFirstAndRemoveOnlyIt) {
  COvScriptTreeNode node("node");
  COvScriptTreeAttribute first("dup", "first");
  node.AddAttribute(first);
  node.AddAttribute(COvScriptTreeAttribute("dup", "second"));
  node.AddAttribute(COvScriptTreeAttribute("other", "x"));
  EXPECT_STREQ("first", node.GetAttributeValueAsString("dup").GetBuffer());
  EXPECT_EQ(&node.GetAttribute(0), node.FindAttribute("DUP"));
  node.RemoveAttribute(first);
  node.RemoveAttribute(COvScriptTreeAttribute("dup", "absent"));  // nothing equal: nothing removed
  ASSERT_EQ(2, node.GetAttributeCount());
  EXPECT_STREQ("second", node.GetAttributeValueAsString("dup").GetBuffer());
  EXPECT_STREQ("x", node.GetAttribute(1).GetValue().GetBuffer());
}

TEST(ScriptTreeNodeChildren, AddFindListRemoveWithoutDeletingAndEmptyDeleting) {
  OwnedNode root(MakeNode("root"));
  root->SetText("text");
  COvScriptTreeNode* a1 = MakeNode("A", "k", "v");
  COvScriptTreeNode* b = MakeNode("B");
  COvScriptTreeNode* a2 = MakeNode("a");
  a1->AddChild(MakeNode("inner"));
  root->AddChild(a1);
  COvArray<COvScriptTreeNode*> found;
  found.Add(b);
  found.Add(a2);
  root->AddChildrenArray(found);
  EXPECT_EQ("a;b;a;", ChildNames(*root));
  EXPECT_TRUE(root->FindChild("a") == a1 && root->FindChild("c") == nullptr);
  EXPECT_EQ(2, root->GetChildrenCountById("A"));
  root->GetChildrenByIdArray("a", found);  // what the array held is dropped
  EXPECT_TRUE(found.GetCount() == 2 && found[0] == a1 && found[1] == a2);
  COvArray<const COvScriptTreeNode*> constFound;
  static_cast<const COvScriptTreeNode&>(*root).GetChildrenByIdArray("b", constFound);
  EXPECT_TRUE(constFound.GetCount() == 1 && constFound[0] == b);

  // A colour child holds the float attributes red, green and blue.
  COvScriptTreeNode* tint = root->AddChild("Tint", COvRGB<float>(1.0f, 0.5f, 0.25f));
  EXPECT_TRUE(tint == root->GetChild(3) && tint->GetIdentifier() == COvIdentifier("tint"));
  ASSERT_EQ(3, tint->GetAttributeCount());
  EXPECT_EQ(COvScriptTreeAttribute("red", 1.0f), tint->GetAttribute(0));
  EXPECT_EQ(COvScriptTreeAttribute("green", 0.5f), tint->GetAttribute(1));
  EXPECT_EQ(COvScriptTreeAttribute("blue", 0.25f), tint->GetAttribute(2));

  // Removed children stay alive and intact: the caller owns them now.
  root->RemoveChildrenById("a");
  EXPECT_EQ("b;tint;", ChildNames(*root));
  EXPECT_EQ(1, a1->GetChildCount());
  root->RemoveChild(0);
  root->RemoveChild(a2);  // no longer a child: nothing happens
  EXPECT_EQ("tint;", ChildNames(*root));
  root->RemoveChild(tint);
  EXPECT_EQ(0, root->GetChildCount());
  for (COvScriptTreeNode* child : {a1, b, a2, tint}) COvScriptTreeNode::DeleteSubtree(child);

  root->AddChild(MakeChain(3));
  root->AddChild(MakeNode("leaf"));
  root->AddAttribute(COvScriptTreeAttribute("a", "1"));
  root->Empty();
  EXPECT_TRUE(root->GetChildCount() == 0 && root->GetAttributeCount() == 1);
  EXPECT_STREQ("text", root->GetText().GetBuffer());
}

TEST(ScriptTreeNodeSearch, ByAttributeValueDirectOrDepthFirstPreOrder) {
  // root: p (q (target1)), target2, anonymous. Pre-order meets target1 before target2.
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* p = MakeNode("p", "key", "no");
  COvScriptTreeNode* q = MakeNode("q", "key", "no");
  COvScriptTreeNode* target1 = MakeNode("t", "key", "yes");
  COvScriptTreeNode* target2 = MakeNode("build", "key", "YES");
  COvScriptTreeNode* anonymous = MakeNode("x");
  q->AddChild(target1);
  p->AddChild(q);
  for (COvScriptTreeNode* child : {p, target2, anonymous}) root->AddChild(child);
  EXPECT_EQ(target2, root->FindChildByAttribute("key", "yes", false));
  EXPECT_EQ(target2, root->FindChildByAttribute("key", "yes"));
  EXPECT_EQ(target1, root->FindChildByAttribute("key", "yes", true));
  EXPECT_EQ(nullptr, root->FindChildByAttribute("key", "maybe", true));
  // A child without the attribute matches the null identifier.
  EXPECT_EQ(anonymous, root->FindChildByAttribute("key", COvIdentifier()));
  EXPECT_EQ(anonymous, root->FindChildByAttribute("key", ""));
  EXPECT_EQ(target2, root->FindChildByIdAndAttributeValue("Build", "KEY", "yes"));
  EXPECT_EQ(p, static_cast<const COvScriptTreeNode&>(*root).FindChildByIdAndAttributeValue("p", "key", "no"));
  EXPECT_EQ(nullptr, root->FindChildByIdAndAttributeValue("t", "key", "yes"));
}

TEST(ScriptTreeNodeEquality, ComparesNamesAttributesInOrderTextsAndChildren) {
  auto make = [](const char* first, const char* second) {
    COvScriptTreeNode* node = MakeNode("n", first, "1");
    node->AddAttribute(COvScriptTreeAttribute(second, "2"));
    node->AddChild(MakeNode("child", "k", "v"));
    return node;
  };
  OwnedNode a(make("x", "y"));
  OwnedNode same(make("X", "Y"));
  OwnedNode swapped(make("y", "x"));
  EXPECT_TRUE(*a == *same && *a != *swapped);
  same->SetText("t");
  EXPECT_FALSE(*a == *same);
  same->SetText(nullptr);
  same->GetChild(0)->AddAttribute(COvScriptTreeAttribute("extra", "1"));
  EXPECT_FALSE(*a == *same);
  same->GetChild(0)->RemoveAttribute(COvScriptTreeAttribute("extra", "1"));
  same->AddChild(MakeNode("child"));
  EXPECT_FALSE(*a == *same);
}

TEST(ScriptTreeNodeCopy, CopyAppendsChildrenAssignmentReplacesThemBothEvenFromThemselves) {
  OwnedNode target(MakeNode("target", "old", "1"));
  target->AddChild(MakeNode("first"));
  target->AddChild(MakeNode("second"));
  OwnedNode source(MakeNode("source", "new", "2"));
  source->AddChild(MakeNode("third"));
  source->SetText("s");
  target->Copy(source.node);
  target->Copy(nullptr);
  EXPECT_EQ(COvIdentifier("source"), target->GetIdentifier());
  ASSERT_EQ(1, target->GetAttributeCount());
  EXPECT_EQ(COvIdentifier("new"), target->GetAttribute(0).GetIdentifier());
  EXPECT_STREQ("s", target->GetText().GetBuffer());
  EXPECT_EQ("first;second;third;", ChildNames(*target));
  EXPECT_NE(source->GetChild(0), target->GetChild(2));
  target->Copy(target.node);
  EXPECT_EQ("first;second;third;first;second;third;", ChildNames(*target));

  *target = *source;
  *target = *target;
  EXPECT_TRUE(*target == *source);
  EXPECT_NE(source->GetChild(0), target->GetChild(0));
  COvScriptTreeNode* child = MakeNode("child", "k", "v");
  child->AddChild(MakeNode("grandchild"));
  target->AddChild(child);
  *target = *child;  // child is deleted by the assignment, after being copied
  EXPECT_EQ(COvIdentifier("child"), target->GetIdentifier());
  EXPECT_EQ("grandchild;", ChildNames(*target));
  EXPECT_STREQ("v", target->GetAttributeValueAsString("k").GetBuffer());
}

TEST(ScriptTreeNodeDeep, HundredThousandLevelsCopyCompareSearchAndDelete) {
  OwnedNode chain(MakeChain(100000));
  COvScriptTreeNode copy(*chain);
  EXPECT_TRUE(copy == *chain);
  COvScriptTreeNode* last = chain->FindChildByAttribute("n", "2", true);
  ASSERT_NE(nullptr, last);
  EXPECT_EQ(0, last->GetChildCount());
  last->SetText("changed");
  EXPECT_FALSE(copy == *chain);
  COvScriptTreeNode assigned;
  assigned = copy;
  EXPECT_TRUE(assigned == copy);
  assigned.Empty();
  copy.Empty();
}

}  // namespace
