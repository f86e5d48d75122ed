// Tests of COvScriptTreeNode: typed getters, attribute and child management, searches,
// copies, assignment, equality and deletion, including very deep subtrees.
#include "scripttree/ovscripttreenode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

COvScriptTreeNode* MakeNode(const char* name, const char* attribute = nullptr, const char* value = nullptr) {
  COvScriptTreeNode* node = new COvScriptTreeNode(COvIdentifier(name));
  if (attribute) node->AddAttribute(COvScriptTreeAttribute(COvIdentifier(attribute), value));
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
  COvScriptTreeNode* current = root;
  for (int i = 1; i < depth; ++i) {
    COvScriptTreeNode* child = MakeNode("level", "n", std::to_string(i).c_str());
    current->AddChild(child);
    current = child;
  }
  return root;
}

class ScriptTreeNodeGetters : public ::testing::Test {
 protected:
  void Add(const char* name, const char* value) {
    node.AddAttribute(COvScriptTreeAttribute(COvIdentifier(name), value));
  }
  COvScriptTreeNode node{COvIdentifier("node")};
};

TEST_F(ScriptTreeNodeGetters, MissingAttributesGiveDefaults) {
  const COvIdentifier missing("missing");
  EXPECT_STREQ("", node.GetAttributeValueAsString(missing).GetBuffer());
  EXPECT_FALSE(node.GetAttributeValueAsBool(missing));
  EXPECT_TRUE(node.GetAttributeValueAsBoolDefault(missing, true));
  EXPECT_EQ(0, node.GetAttributeValueAsInt(missing));
  EXPECT_EQ(-4, node.GetAttributeValueAsIntDefault(missing, -4));
  EXPECT_EQ(0.0f, node.GetAttributeValueAsFloat(missing));
  EXPECT_EQ(2.5f, node.GetAttributeValueAsFloatDefault(missing, 2.5f));
  EXPECT_EQ(0u, node.GetAttributeValueAsU64(missing));

  TOvString<char> text("keep");
  TOvString<wchar_t> wide(L"keep");
  bool flag = true;
  int number = 7;
  float real = 7.5f;
  uint64_t big = 7;
  COvVector2 v2(1, 2);
  COvVector3 v3(1, 2, 3);
  COvRGB<float> rgb(1, 2, 3);
  COvRGBA<float> rgba(1, 2, 3, 4);
  COvQuaternion q(1, 2, 3, 4);
  EXPECT_FALSE(node.GetAttributeValueAsString(missing, text));
  EXPECT_FALSE(node.GetAttributeValueAsWString(missing, wide));
  EXPECT_FALSE(node.GetAttributeValueAsBool(missing, flag));
  EXPECT_FALSE(node.GetAttributeValueAsInt(missing, number));
  EXPECT_FALSE(node.GetAttributeValueAsFloat(missing, real));
  EXPECT_FALSE(node.GetAttributeValueAsU64(missing, big));
  EXPECT_FALSE(node.GetAttributeValueAsVector2(missing, v2));
  EXPECT_FALSE(node.GetAttributeValueAsVector3(missing, v3));
  EXPECT_FALSE(node.GetAttributeValueAsColor(missing, rgb));
  EXPECT_FALSE(node.GetAttributeValueAsColor(missing, rgba));
  EXPECT_FALSE(node.GetAttributeValueAsQuaternion(missing, q));
  EXPECT_STREQ("keep", text.GetBuffer());
  EXPECT_TRUE(wide == L"keep");
  EXPECT_TRUE(flag);
  EXPECT_EQ(7, number);
  EXPECT_EQ(7.5f, real);
  EXPECT_EQ(7u, big);
  EXPECT_EQ(COvVector2(1, 2), v2);
  EXPECT_EQ(COvVector3(1, 2, 3), v3);
  EXPECT_EQ(3.0f, rgb.b);
  EXPECT_EQ(4.0f, rgba.a);
  EXPECT_EQ(COvQuaternion(1, 2, 3, 4), q);
}

TEST_F(ScriptTreeNodeGetters, BoolTextsAreCaseSensitive) {
  const struct {
    const char* text;
    bool expected;
  } rows[] = {{"1", true}, {"true", true}, {"TRUE", false}, {"True", false}, {"yes", false},
              {"0", false}, {"false", false}, {"", false}, {"1 ", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    COvScriptTreeNode n(COvIdentifier("n"));
    n.AddAttribute(COvScriptTreeAttribute(COvIdentifier("flag"), row.text));
    EXPECT_EQ(row.expected, n.GetAttributeValueAsBool(COvIdentifier("flag")));
    EXPECT_EQ(row.expected, n.GetAttributeValueAsBoolDefault(COvIdentifier("flag"), !row.expected));
    bool out = !row.expected;
    EXPECT_TRUE(n.GetAttributeValueAsBool(COvIdentifier("flag"), out));
    EXPECT_EQ(row.expected, out);
  }
}

TEST_F(ScriptTreeNodeGetters, IntegerParsing) {
  Add("good", "42");
  Add("bad", "abc");
  Add("lead", "  -17xyz");
  EXPECT_EQ(42, node.GetAttributeValueAsInt(COvIdentifier("good")));
  EXPECT_EQ(0, node.GetAttributeValueAsInt(COvIdentifier("bad")));
  EXPECT_EQ(0, node.GetAttributeValueAsIntDefault(COvIdentifier("bad"), 5));

  int out = 99;
  EXPECT_FALSE(node.GetAttributeValueAsInt(COvIdentifier("bad"), out));
  EXPECT_EQ(99, out);
  EXPECT_TRUE(node.GetAttributeValueAsInt(COvIdentifier("lead"), out));
  EXPECT_EQ(-17, out);
  EXPECT_EQ(-17, node.GetAttributeValueAsInt(COvIdentifier("lead")));
}

TEST_F(ScriptTreeNodeGetters, UnsignedSixtyFourBitReadsHexAndDecimal) {
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("hex"), uint64_t{255}));
  Add("dec", "1234567890123");
  Add("oct", "010");
  EXPECT_EQ(255u, node.GetAttributeValueAsU64(COvIdentifier("hex")));
  EXPECT_EQ(8u, node.GetAttributeValueAsU64(COvIdentifier("oct")));
  uint64_t out = 0;
  EXPECT_TRUE(node.GetAttributeValueAsU64(COvIdentifier("dec"), out));
  EXPECT_EQ(1234567890123u, out);
}

TEST_F(ScriptTreeNodeGetters, VectorsColoursAndQuaternionsReadBackWhatIsWritten) {
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("v3"), COvVector3(1.0f, -2.5f, 0.125f)));
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("q"), COvQuaternion(0.5f, 0.25f, -1.0f, 2.0f)));
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("rgb"), COvRGB<float>(1.0f, 0.5f, 0.0f)));
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("rgba"), COvRGBA<float>(0.0f, 0.25f, 0.5f, 0.75f)));
  Add("v2", "3\t\n 4");

  COvVector2 v2;
  ASSERT_TRUE(node.GetAttributeValueAsVector2(COvIdentifier("v2"), v2));
  EXPECT_EQ(COvVector2(3.0f, 4.0f), v2);
  COvVector3 v3;
  ASSERT_TRUE(node.GetAttributeValueAsVector3(COvIdentifier("v3"), v3));
  EXPECT_EQ(COvVector3(1.0f, -2.5f, 0.125f), v3);
  COvQuaternion q;
  ASSERT_TRUE(node.GetAttributeValueAsQuaternion(COvIdentifier("q"), q));
  EXPECT_EQ(COvQuaternion(0.5f, 0.25f, -1.0f, 2.0f), q);
  COvRGB<float> rgb;
  ASSERT_TRUE(node.GetAttributeValueAsColor(COvIdentifier("rgb"), rgb));
  EXPECT_EQ(1.0f, rgb.r);
  EXPECT_EQ(0.5f, rgb.g);
  EXPECT_EQ(0.0f, rgb.b);
  COvRGBA<float> rgba;
  ASSERT_TRUE(node.GetAttributeValueAsColor(COvIdentifier("rgba"), rgba));
  EXPECT_EQ(0.75f, rgba.a);
  // An RGB text is one number short for RGBA.
  COvRGBA<float> untouched(9, 9, 9, 9);
  EXPECT_FALSE(node.GetAttributeValueAsColor(COvIdentifier("rgb"), untouched));
  EXPECT_EQ(9.0f, untouched.r);
}

TEST(ScriptTreeNodeAttributes, DuplicateNamesSeeTheFirstAndRemoveOnlyIt) {
  COvScriptTreeNode node(COvIdentifier("node"));
  COvScriptTreeAttribute first(COvIdentifier("dup"), "first");
  node.AddAttribute(first);
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("dup"), "second"));
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("other"), "x"));
  EXPECT_STREQ("first", node.GetAttributeValueAsString(COvIdentifier("dup")).GetBuffer());
  EXPECT_EQ(&node.GetAttribute(0), node.FindAttribute(COvIdentifier("DUP")));

  node.RemoveAttribute(COvScriptTreeAttribute(first));
  ASSERT_EQ(2, node.GetAttributeCount());
  EXPECT_STREQ("second", node.GetAttributeValueAsString(COvIdentifier("dup")).GetBuffer());
  EXPECT_STREQ("x", node.GetAttribute(1).GetValue().GetBuffer());

  // Nothing equal: nothing removed.
  node.RemoveAttribute(COvScriptTreeAttribute(COvIdentifier("dup"), "absent"));
  EXPECT_EQ(2, node.GetAttributeCount());
  EXPECT_EQ(nullptr, node.FindAttribute(COvIdentifier("absent")));
}

TEST(ScriptTreeNodeChildren, AddFindCountAndList) {
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* a1 = MakeNode("A");
  COvScriptTreeNode* b = MakeNode("B");
  COvScriptTreeNode* a2 = MakeNode("a");
  root->AddChild(a1);
  COvArray<COvScriptTreeNode*> more;
  more.Add(b);
  more.Add(a2);
  root->AddChildrenArray(more);

  ASSERT_EQ(3, root->GetChildCount());
  EXPECT_EQ(b, root->GetChild(1));
  EXPECT_EQ(a1, root->FindChild(COvIdentifier("a")));
  EXPECT_EQ(nullptr, root->FindChild(COvIdentifier("c")));
  EXPECT_EQ(2, root->GetChildrenCountById(COvIdentifier("A")));

  COvArray<COvScriptTreeNode*> found;
  found.Add(b);  // dropped by the call
  root->GetChildrenByIdArray(COvIdentifier("a"), found);
  ASSERT_EQ(2, found.GetCount());
  EXPECT_EQ(a1, found[0]);
  EXPECT_EQ(a2, found[1]);

  COvArray<const COvScriptTreeNode*> constFound;
  static_cast<const COvScriptTreeNode&>(*root).GetChildrenByIdArray(COvIdentifier("b"), constFound);
  ASSERT_EQ(1, constFound.GetCount());
  EXPECT_EQ(b, constFound[0]);
}

TEST(ScriptTreeNodeChildren, ColourChildHasRedGreenBlue) {
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* child = root->AddChild(COvIdentifier("Tint"), COvRGB<float>(1.0f, 0.5f, 0.25f));
  ASSERT_EQ(1, root->GetChildCount());
  EXPECT_EQ(child, root->GetChild(0));
  EXPECT_EQ(COvIdentifier("tint"), child->GetIdentifier());
  ASSERT_EQ(3, child->GetAttributeCount());
  EXPECT_EQ(COvIdentifier("red"), child->GetAttribute(0).GetIdentifier());
  EXPECT_EQ(COvIdentifier("green"), child->GetAttribute(1).GetIdentifier());
  EXPECT_EQ(COvIdentifier("blue"), child->GetAttribute(2).GetIdentifier());
  EXPECT_STREQ("0.500000", child->GetAttribute(1).GetValue().GetBuffer());
  EXPECT_EQ(COvScriptTreeAttribute::eTypeFloat, child->GetAttribute(2).GetType());
}

TEST(ScriptTreeNodeChildren, RemovingDetachesWithoutDeleting) {
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* a1 = MakeNode("A");
  COvScriptTreeNode* b = MakeNode("B");
  COvScriptTreeNode* a2 = MakeNode("A");
  a1->AddChild(MakeNode("inner"));
  root->AddChild(a1);
  root->AddChild(b);
  root->AddChild(a2);

  root->RemoveChildrenById(COvIdentifier("a"));
  ASSERT_EQ(1, root->GetChildCount());
  EXPECT_EQ(b, root->GetChild(0));
  // Still alive and intact: the caller owns them now.
  EXPECT_EQ(1, a1->GetChildCount());
  COvScriptTreeNode::DeleteSubtree(a1);
  COvScriptTreeNode::DeleteSubtree(a2);

  root->AddChild(a1 = MakeNode("x"));
  root->RemoveChild(0);
  ASSERT_EQ(1, root->GetChildCount());
  EXPECT_EQ(a1, root->GetChild(0));
  root->RemoveChild(b);  // no longer a child: nothing happens
  root->RemoveChild(a1);
  EXPECT_EQ(0, root->GetChildCount());
  COvScriptTreeNode::DeleteSubtree(a1);
  COvScriptTreeNode::DeleteSubtree(b);
}

TEST(ScriptTreeNodeChildren, EmptyDeletesChildrenAndKeepsTheRest) {
  COvScriptTreeNode node(COvIdentifier("node"));
  node.AddAttribute(COvScriptTreeAttribute(COvIdentifier("a"), "1"));
  node.SetText("text");
  node.AddChild(MakeChain(3));
  node.AddChild(MakeNode("leaf"));
  node.Empty();
  EXPECT_EQ(0, node.GetChildCount());
  EXPECT_EQ(1, node.GetAttributeCount());
  EXPECT_STREQ("text", node.GetText().GetBuffer());
  EXPECT_EQ(COvIdentifier("node"), node.GetIdentifier());
}

TEST(ScriptTreeNodeSearch, ChildWithoutTheAttributeMatchesTheNullIdentifier) {
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* named = MakeNode("x", "name", "a");
  COvScriptTreeNode* anonymous = MakeNode("x");
  root->AddChild(named);
  root->AddChild(anonymous);
  EXPECT_EQ(anonymous, root->FindChildByAttribute(COvIdentifier("name"), COvIdentifier()));
  EXPECT_EQ(anonymous, root->FindChildByAttribute(COvIdentifier("name"), COvIdentifier("")));
}

TEST(ScriptTreeNodeSearch, RecursiveSearchIsDepthFirstPreOrder) {
  // root: p (q (target1)), target2. Pre-order meets target1 before target2.
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* p = MakeNode("p", "key", "no");
  COvScriptTreeNode* q = MakeNode("q", "key", "no");
  COvScriptTreeNode* target1 = MakeNode("t", "key", "yes");
  COvScriptTreeNode* target2 = MakeNode("t", "key", "YES");
  q->AddChild(target1);
  p->AddChild(q);
  root->AddChild(p);
  root->AddChild(target2);
  const COvIdentifier key("key"), yes("yes");
  EXPECT_EQ(target2, root->FindChildByAttribute(key, yes, false));
  EXPECT_EQ(target2, root->FindChildByAttribute(key, yes));
  EXPECT_EQ(target1, root->FindChildByAttribute(key, yes, true));
  EXPECT_EQ(nullptr, root->FindChildByAttribute(key, COvIdentifier("maybe"), true));
}

TEST(ScriptTreeNodeSearch, ByIdAndAttributeValue) {
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* other = MakeNode("dist", "name", "Steam");
  COvScriptTreeNode* wanted = MakeNode("build", "name", "Steam");
  root->AddChild(other);
  root->AddChild(wanted);
  EXPECT_EQ(wanted, root->FindChildByIdAndAttributeValue(COvIdentifier("Build"), COvIdentifier("name"),
                                                         COvIdentifier("steam")));
  const COvScriptTreeNode& constRoot = *root;
  EXPECT_EQ(other, constRoot.FindChildByIdAndAttributeValue(COvIdentifier("dist"), COvIdentifier("NAME"),
                                                            COvIdentifier("steam")));
  EXPECT_EQ(nullptr, root->FindChildByIdAndAttributeValue(COvIdentifier("zip"), COvIdentifier("name"),
                                                          COvIdentifier("steam")));
}

TEST(ScriptTreeNodeEquality, ComparesNamesAttributesInOrderTextsAndChildren) {
  auto make = [](const char* first, const char* second) {
    COvScriptTreeNode* node = MakeNode("n");
    node->AddAttribute(COvScriptTreeAttribute(COvIdentifier(first), "1"));
    node->AddAttribute(COvScriptTreeAttribute(COvIdentifier(second), "2"));
    node->AddChild(MakeNode("child", "k", "v"));
    return node;
  };
  OwnedNode a(make("x", "y"));
  OwnedNode same(make("X", "Y"));
  OwnedNode swapped(make("y", "x"));
  EXPECT_TRUE(*a == *same);
  EXPECT_FALSE(*a != *same);
  EXPECT_TRUE(*a != *swapped);

  same->SetText("t");
  EXPECT_FALSE(*a == *same);
  same->SetText(nullptr);
  EXPECT_TRUE(*a == *same);

  same->GetChild(0)->AddAttribute(COvScriptTreeAttribute(COvIdentifier("extra"), "1"));
  EXPECT_FALSE(*a == *same);
  same->GetChild(0)->RemoveAttribute(COvScriptTreeAttribute(COvIdentifier("extra"), "1"));
  EXPECT_TRUE(*a == *same);
  same->AddChild(MakeNode("child"));
  EXPECT_FALSE(*a == *same);
}

TEST(ScriptTreeNodeCopy, CopyKeepsExistingChildrenInFront) {
  OwnedNode target(MakeNode("target", "old", "1"));
  target->AddChild(MakeNode("first"));
  target->AddChild(MakeNode("second"));
  OwnedNode source(MakeNode("source", "new", "2"));
  source->AddChild(MakeNode("third"));
  source->SetText("s");

  target->Copy(source.node);
  EXPECT_EQ(COvIdentifier("source"), target->GetIdentifier());
  ASSERT_EQ(1, target->GetAttributeCount());
  EXPECT_EQ(COvIdentifier("new"), target->GetAttribute(0).GetIdentifier());
  EXPECT_STREQ("s", target->GetText().GetBuffer());
  ASSERT_EQ(3, target->GetChildCount());
  EXPECT_EQ(COvIdentifier("first"), target->GetChild(0)->GetIdentifier());
  EXPECT_EQ(COvIdentifier("second"), target->GetChild(1)->GetIdentifier());
  EXPECT_EQ(COvIdentifier("third"), target->GetChild(2)->GetIdentifier());
  EXPECT_NE(source->GetChild(0), target->GetChild(2));

  target->Copy(nullptr);
  EXPECT_EQ(3, target->GetChildCount());
}

TEST(ScriptTreeNodeCopy, CopyFromItselfDoublesItsChildren) {
  OwnedNode node(MakeNode("n"));
  node->AddChild(MakeNode("a"));
  node->AddChild(MakeNode("b"));
  node->Copy(node.node);
  ASSERT_EQ(4, node->GetChildCount());
  EXPECT_EQ(COvIdentifier("b"), node->GetChild(3)->GetIdentifier());
}

TEST(ScriptTreeNodeAssignment, ReplacesChildrenWithADeepCopy) {
  OwnedNode target(MakeNode("target"));
  target->AddChild(MakeChain(3));
  OwnedNode source(MakeNode("source", "k", "v"));
  source->AddChild(MakeNode("only"));
  *target = *source;
  EXPECT_TRUE(*target == *source);
  ASSERT_EQ(1, target->GetChildCount());
  EXPECT_NE(source->GetChild(0), target->GetChild(0));

  *target = *target;
  EXPECT_TRUE(*target == *source);
}

TEST(ScriptTreeNodeAssignment, FromOwnDescendantIsSafe) {
  OwnedNode root(MakeNode("root"));
  COvScriptTreeNode* child = MakeNode("child", "k", "v");
  child->AddChild(MakeNode("grandchild"));
  root->AddChild(child);
  *root = *child;  // child is deleted by the assignment, after being copied
  EXPECT_EQ(COvIdentifier("child"), root->GetIdentifier());
  ASSERT_EQ(1, root->GetChildCount());
  EXPECT_EQ(COvIdentifier("grandchild"), root->GetChild(0)->GetIdentifier());
  EXPECT_STREQ("v", root->GetAttributeValueAsString(COvIdentifier("k")).GetBuffer());
}

TEST(ScriptTreeNodeDeep, HundredThousandLevelsCopyCompareSearchAndDelete) {
  const int depth = 100000;
  OwnedNode chain(MakeChain(depth));
  COvScriptTreeNode copy(*chain);
  EXPECT_TRUE(copy == *chain);
  COvScriptTreeNode* last = chain->FindChildByAttribute(COvIdentifier("n"), COvIdentifier(std::to_string(depth - 1).c_str()), true);
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
