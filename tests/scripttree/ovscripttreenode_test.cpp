// Tests of COvScriptTreeNode: typed getters, attribute and child management, searches,
// copies, assignment, equality and deletion, including very deep subtrees.
#include "scripttree/ovscripttreenode.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "tree_nodes.h"

namespace {

// Owns a node and deletes its whole subtree at the end of the test.
struct SubtreeDeleter {
  void operator()(COvScriptTreeNode* node) const { COvScriptTreeNode::DeleteSubtree(node); }
};
using OwnedNode = std::unique_ptr<COvScriptTreeNode, SubtreeDeleter>;

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

// "ok" or "no" from the getter of kind on attribute "v", then its output (which starts from a
// marker value, so an untouched one shows) and for numbers, the value-returning getters.
std::string Get(const COvScriptTreeNode& n, const std::string& kind) {
  bool b = true;
  int i = 7;
  float f = 7.5f;
  uint64_t u = 7;
  TOvString<char> s("keep");
  TOvString<wchar_t> w(L"keep");
  COvVector2 v2(1, 2);
  COvVector3 v3(1, 2, 3);
  COvRGB<float> rgb(1, 2, 3);
  COvRGBA<float> rgba(1, 2, 3, 4);
  COvQuaternion q(1, 2, 3, 4);
  const bool ok = kind == "bool"      ? n.GetAttributeValueAsBool("v", b)
                  : kind == "int"     ? n.GetAttributeValueAsInt("v", i)
                  : kind == "float"   ? n.GetAttributeValueAsFloat("v", f)
                  : kind == "u64"     ? n.GetAttributeValueAsU64("v", u)
                  : kind == "string"  ? n.GetAttributeValueAsString("v", s)
                  : kind == "wstring" ? n.GetAttributeValueAsWString("v", w)
                  : kind == "v2"      ? n.GetAttributeValueAsVector2("v", v2)
                  : kind == "v3"      ? n.GetAttributeValueAsVector3("v", v3)
                  : kind == "rgb"     ? n.GetAttributeValueAsColor("v", rgb)
                  : kind == "rgba"    ? n.GetAttributeValueAsColor("v", rgba)
                                      : n.GetAttributeValueAsQuaternion("v", q);
  std::ostringstream out;
  out << (ok ? "ok" : "no");
  auto show = [&out](auto... values) { ((out << ' ' << values), ...); };
  if (kind == "bool")
    show(b, n.GetAttributeValueAsBool("v"), n.GetAttributeValueAsBoolDefault("v", true),
         n.GetAttributeValueAsBoolDefault("v", false));
  if (kind == "int") show(i, n.GetAttributeValueAsInt("v"), n.GetAttributeValueAsIntDefault("v", -4));
  if (kind == "float") show(f, n.GetAttributeValueAsFloat("v"), n.GetAttributeValueAsFloatDefault("v", 2.5f));
  if (kind == "u64") show(u, n.GetAttributeValueAsU64("v"));
  if (kind == "string") show(s.GetBuffer(), n.GetAttributeValueAsString("v").GetBuffer());
  if (kind == "wstring") show(std::string(w.GetBuffer(), w.GetBuffer() + w.GetLength()));
  if (kind == "v2") show(v2.x, v2.y);
  if (kind == "v3") show(v3.x, v3.y, v3.z);
  if (kind == "rgb") show(rgb.r, rgb.g, rgb.b);
  if (kind == "rgba") show(rgba.r, rgba.g, rgba.b, rgba.a);
  if (kind == "q") show(q.x, q.y, q.z, q.w);
  return out.str();
}

// Bool texts are case-sensitive; numbers read their leading text, 64-bit values as "%lli"
// does (hexadecimal, octal); an RGB text is one number short for RGBA. The vector-like kinds
// share one reader, so one of them stands for the others when the attribute is missing.
TEST(ScriptTreeNodeGetters, EachKindReadsItsTextAndMissingOrUnparsableOnesLeaveOutputs) {
  const struct {
    const char* text;  // null: no attribute
    const char* kind;
    const char* expected;
  } rows[] = {{nullptr, "bool", "no 1 0 1 0"},    {nullptr, "int", "no 7 0 -4"},
              {nullptr, "float", "no 7.5 0 2.5"}, {nullptr, "u64", "no 7 0"},
              {nullptr, "string", "no keep "},    {nullptr, "wstring", "no keep"},
              {nullptr, "v2", "no 1 2"},          {"abc", "int", "no 7 0 0"},
              {"abc", "float", "no 7.5 0 0"},     {"abc", "v2", "no 1 2"},
              {"abc", "v3", "no 1 2 3"},          {"abc", "rgb", "no 1 2 3"},
              {"abc", "rgba", "no 1 2 3 4"},      {"abc", "q", "no 1 2 3 4"},
              {"1", "bool", "ok 1 1 1 1"},        {"true", "bool", "ok 1 1 1 1"},
              {"TRUE", "bool", "ok 0 0 0 0"},     {"True", "bool", "ok 0 0 0 0"},
              {"yes", "bool", "ok 0 0 0 0"},      {"0", "bool", "ok 0 0 0 0"},
              {"false", "bool", "ok 0 0 0 0"},    {"", "bool", "ok 0 0 0 0"},
              {"1 ", "bool", "ok 0 0 0 0"},       {"  -17xyz", "int", "ok -17 -17 -17"},
              {"2.5e1", "float", "ok 25 25 25"},  {"0X00000000000000FF", "u64", "ok 255 255"},
              {"010", "u64", "ok 8 8"},           {"1234567890123", "u64", "ok 1234567890123 1234567890123"},
              {"x y", "string", "ok x y x y"},    {"x y", "wstring", "ok x y"},
              {"3\t\n 4", "v2", "ok 3 4"},        {"1 -2.5 0.125", "v3", "ok 1 -2.5 0.125"},
              {"1 0.5 0", "rgb", "ok 1 0.5 0"},   {"0 0.25 0.5 0.75", "rgba", "ok 0 0.25 0.5 0.75"},
              {"1 0.5 0", "rgba", "no 1 2 3 4"},  {"0.5 0.25 -1 2", "q", "ok 0.5 0.25 -1 2"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.kind) + " of " + (row.text ? row.text : "(missing)"));
    COvScriptTreeNode node("node");
    node.AddAttribute(COvScriptTreeAttribute("other", "1"));
    if (row.text) node.AddAttribute(COvScriptTreeAttribute("v", row.text));
    EXPECT_EQ(row.expected, Get(node, row.kind));
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
}

TEST(ScriptTreeNodeChildren, AddFindListRemoveWithoutDeletingAndEmpty) {
  OwnedNode root(MakeNode("root", "a", "1"));
  COvScriptTreeNode* a1 = AddNode(root.get(), "A");
  COvScriptTreeNode* b = MakeNode("B");
  COvScriptTreeNode* a2 = MakeNode("a");
  AddNode(a1, "inner");
  COvArray<COvScriptTreeNode*> more;
  more.Add(b);
  more.Add(a2);
  root->AddChildrenArray(more);
  EXPECT_EQ("a;b;a;", ChildNames(*root));
  EXPECT_TRUE(root->FindChild("a") == a1 && root->FindChild("c") == nullptr);
  EXPECT_EQ(2, root->GetChildrenCountById("A"));
  COvArray<COvScriptTreeNode*> found;
  found.Add(b);  // dropped by the call
  root->GetChildrenByIdArray("a", found);
  ASSERT_EQ(2, found.GetCount());
  EXPECT_TRUE(found[0] == a1 && found[1] == a2);
  COvArray<const COvScriptTreeNode*> constFound;
  static_cast<const COvScriptTreeNode&>(*root).GetChildrenByIdArray("b", constFound);
  ASSERT_EQ(1, constFound.GetCount());
  EXPECT_EQ(b, constFound[0]);

  // A colour child holds the float attributes red, green and blue.
  COvScriptTreeNode* tint = root->AddChild("Tint", COvRGB<float>(1.0f, 0.5f, 0.25f));
  EXPECT_TRUE(tint == root->GetChild(3) && COvIdentifier("tint") == tint->GetIdentifier());
  ASSERT_EQ(3, tint->GetAttributeCount());
  EXPECT_TRUE(COvIdentifier("red") == tint->GetAttribute(0).GetIdentifier() &&
              COvIdentifier("green") == tint->GetAttribute(1).GetIdentifier());
  EXPECT_EQ(COvScriptTreeAttribute("blue", 0.25f), tint->GetAttribute(2));

  root->RemoveChildrenById("a");
  EXPECT_EQ("b;tint;", ChildNames(*root));
  EXPECT_EQ(1, a1->GetChildCount());  // still alive and intact: the caller owns them now
  root->RemoveChild(0);
  root->RemoveChild(a2);  // no longer a child: nothing happens
  EXPECT_EQ("tint;", ChildNames(*root));
  for (COvScriptTreeNode* child : {a1, b, a2}) COvScriptTreeNode::DeleteSubtree(child);
  // Empty deletes the children and keeps the rest.
  root->SetText("text");
  root->AddChild(MakeChain(3));
  root->Empty();
  EXPECT_EQ(0, root->GetChildCount());
  EXPECT_EQ(1, root->GetAttributeCount());
  EXPECT_STREQ("text", root->GetText().GetBuffer());
}

TEST(ScriptTreeNodeSearch, ByAttributeValueDirectOrDepthFirstPreOrder) {
  // root: p (q (target1)), target2, anonymous. Pre-order meets target1 before target2.
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* p = AddNode(root.get(), "p", "key", "no");
  COvScriptTreeNode* target1 = AddNode(AddNode(p, "q", "key", "no"), "t", "key", "yes");
  COvScriptTreeNode* target2 = AddNode(root.get(), "build", "key", "YES");
  COvScriptTreeNode* anonymous = AddNode(root.get(), "x");
  EXPECT_EQ(target2, root->FindChildByAttribute("key", "yes", false));
  EXPECT_EQ(target2, root->FindChildByAttribute("key", "yes"));
  EXPECT_EQ(target1, root->FindChildByAttribute("key", "yes", true));
  EXPECT_EQ(nullptr, root->FindChildByAttribute("key", "maybe", true));
  // A child without the attribute matches the null identifier.
  EXPECT_EQ(anonymous, root->FindChildByAttribute("key", COvIdentifier()));
  EXPECT_EQ(target2, root->FindChildByIdAndAttributeValue("Build", "KEY", "yes"));
  const COvScriptTreeNode& constRoot = *root;
  EXPECT_EQ(p, constRoot.FindChildByIdAndAttributeValue("p", "key", "no"));
  EXPECT_EQ(nullptr, root->FindChildByIdAndAttributeValue("t", "key", "yes"));
}

// A text that differs is the deep case's.
TEST(ScriptTreeNodeEquality, ComparesNamesAttributesInOrderAndChildren) {
  auto make = [](const char* first, const char* second) {
    COvScriptTreeNode* node = MakeNode("n", first, "1");
    node->AddAttribute(COvScriptTreeAttribute(second, "2"));
    node->AddChild(MakeNode("child", "k", "v"));
    return node;
  };
  OwnedNode a(make("x", "y")), same(make("X", "Y")), swapped(make("y", "x"));
  OwnedNode childAttribute(make("x", "y")), moreChildren(make("x", "y"));
  childAttribute->GetChild(0)->AddAttribute(COvScriptTreeAttribute("extra", "1"));
  moreChildren->AddChild(MakeNode("child"));
  EXPECT_TRUE(*a == *same && !(*a != *same) && *a != *swapped);
  EXPECT_TRUE(*a != *childAttribute && *a != *moreChildren);
}

TEST(ScriptTreeNodeCopy, CopyKeepsExistingChildrenInFrontAndMayCopyItself) {
  OwnedNode target(MakeNode("target", "old", "1"));
  target->AddChild(MakeNode("first"));
  target->AddChild(MakeNode("second"));
  OwnedNode source(MakeNode("source", "new", "2"));
  source->AddChild(MakeNode("third"));
  source->SetText("s");
  target->Copy(source.get());
  target->Copy(nullptr);
  EXPECT_EQ(COvIdentifier("source"), target->GetIdentifier());
  ASSERT_EQ(1, target->GetAttributeCount());
  EXPECT_EQ(COvIdentifier("new"), target->GetAttribute(0).GetIdentifier());
  EXPECT_STREQ("s", target->GetText().GetBuffer());
  EXPECT_EQ("first;second;third;", ChildNames(*target));
  EXPECT_NE(source->GetChild(0), target->GetChild(2));
  target->Copy(target.get());
  EXPECT_EQ("first;second;third;first;second;third;", ChildNames(*target));
}

TEST(ScriptTreeNodeAssignment, ReplacesChildrenWithADeepCopyEvenFromADescendant) {
  OwnedNode target(MakeNode("target"));
  target->AddChild(MakeChain(3));
  OwnedNode source(MakeNode("source", "k", "v"));
  source->AddChild(MakeNode("only"));
  *target = *source;
  *target = *target;
  EXPECT_TRUE(*target == *source);
  EXPECT_NE(source->GetChild(0), target->GetChild(0));
  COvScriptTreeNode* child = AddNode(target.get(), "child", "k", "v");
  AddNode(child, "grandchild");
  *target = *child;  // child is deleted by the assignment, after being copied
  EXPECT_EQ(COvIdentifier("child"), target->GetIdentifier());
  EXPECT_EQ("grandchild;", ChildNames(*target));
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
  copy.Empty();
}

}  // namespace
