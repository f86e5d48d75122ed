#include "engine/fsm/ovfsm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/fsm/ovaction.h"
#include "engine/fsm/ovfsmmanager.h"
#include "engine/fsm/ovfsmstate.h"
#include "engine/fsm/ovfsmstatetransition.h"
#include "engine/fsm/ovtrigger.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"
#include "support/temp_dir.h"

namespace {

class FixedTrigger : public COvTrigger {
 public:
  explicit FixedTrigger(bool fires) : fires(fires) {}
  bool IsTriggered() override {
    ++checks;
    return fires;
  }
  bool fires;
  int checks = 0;
};

class NoteAction : public COvAction {
 public:
  NoteAction(std::string* log, const char* note) : log(log), note(note) {}
  void Execute() override { *log += note; }
  std::string* log;
  const char* note;
};

// Writes "+name" on entry and "-name" on exit.
class TracedState : public COvFSMState {
 public:
  TracedState(const char* name, COvFSM* fsm, std::string* log)
      : COvFSMState(name, fsm), log(log), name(name) {}
  void OnEnter() override { *log += "+" + name; }
  void OnLeave() override { *log += "-" + name; }
  std::string* log;
  std::string name;
};

TracedState* AddTraced(COvFSM& fsm, const char* name, std::string* log) {
  TracedState* state = new TracedState(name, &fsm, log);
  fsm.AddState(state);
  return state;
}

}  // namespace

TEST(OvFSM, UpdateFiresTheFirstTransitionThatTriggers) {
  struct Row {
    std::vector<bool> fires;
    const char* current;
    const char* log;
    int checks;  // triggers asked
  };
  const Row rows[] = {
      {{false, false, false}, "idle", "", 3},
      {{false, true, true}, "b", "[b]-idle+b", 2},
      {{true, true, false}, "a", "[a]-idle+a", 1},
  };
  const char* targets[] = {"a", "b", "c"};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.log);
    std::string log;
    COvFSM fsm;
    COvFSMState* idle = AddTraced(fsm, "idle", &log);
    std::vector<FixedTrigger> triggers(row.fires.begin(), row.fires.end());
    std::vector<NoteAction> actions;
    for (const char* note : {"[a]", "[b]", "[c]"}) actions.emplace_back(&log, note);
    std::vector<COvFSMStateTransition> transitions;
    for (int i = 0; i < 3; ++i) {
      COvArray<COvAction*> list;
      list.Add(&actions[i]);
      transitions.emplace_back(AddTraced(fsm, targets[i], &log), idle, &triggers[i], list, 0);
    }
    for (COvFSMStateTransition& transition : transitions) idle->AddStateTransition(&transition);
    fsm.SetCurrentState(idle);
    fsm.Update(0.1f);
    EXPECT_EQ(COvIdentifier(row.current), fsm.GetCurrentState()->GetIdentifier());
    EXPECT_EQ(row.log, log);
    int checks = 0;
    for (const FixedTrigger& trigger : triggers) checks += trigger.checks;
    EXPECT_EQ(row.checks, checks);
  }
  COvFSM empty;
  empty.Update(0.1f);
  EXPECT_EQ(nullptr, empty.GetCurrentState());
}

TEST(OvFSM, ChangeStateOnlyToOwnStates) {
  struct Row {
    const char* start;  // null: no current state
    const char* target;
    const char* log;
    const char* current;
  };
  const Row rows[] = {
      {nullptr, "a", "+a", "a"}, {"a", "b", "-a+b", "b"}, {"a", "a", "-a+a", "a"},
      {"a", "other", "", "a"},   {"a", nullptr, "", "a"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.log);
    std::string log;
    COvFSM fsm, elsewhere;
    AddTraced(fsm, "a", &log);
    AddTraced(fsm, "b", &log);
    COvFSMState* other = AddTraced(elsewhere, "other", &log);
    if (row.start) fsm.SetCurrentState(fsm.FindState(row.start));
    COvFSMState* target = !row.target                          ? nullptr
                          : row.target == std::string("other") ? other
                                                               : fsm.FindState(row.target);
    fsm.ChangeState(target);
    EXPECT_EQ(row.log, log);
    EXPECT_EQ(COvIdentifier(row.current), fsm.GetCurrentState()->GetIdentifier());
  }
}

TEST(OvFSMState, SortTransitionByDescendingPriorityKeepsTies) {
  struct Row {
    std::vector<int> priorities;
    std::vector<int> order;  // original positions after sorting
    int max;                 // original position GetMaxPriority picks, -1 for none
  };
  const Row rows[] = {
      {{1, 5, 5, 3}, {1, 2, 3, 0}, 1},
      {{}, {}, -1},
      {{-2, -7, 0}, {2, 0, 1}, 2},
  };
  for (const Row& row : rows) {
    COvFSM fsm;
    COvFSMState* state = fsm.CreateState("s");
    std::vector<COvFSMStateTransition> transitions;
    for (int priority : row.priorities)
      transitions.emplace_back(state, state, nullptr, COvArray<COvAction*>(), priority);
    COvArray<COvFSMStateTransition*> list;
    for (COvFSMStateTransition& transition : transitions) {
      state->AddStateTransition(&transition);
      list.Add(&transition);
    }
    COvFSMStateTransition* max = COvFSMState::GetMaxPriority(list);
    EXPECT_EQ(row.max < 0 ? nullptr : &transitions[row.max], max);
    state->SortTransition();
    ASSERT_EQ(static_cast<int>(row.order.size()), state->GetStateTransitionCount());
    for (size_t i = 0; i < row.order.size(); ++i)
      EXPECT_EQ(&transitions[row.order[i]], state->GetStateTransition(int(i)));
  }
}

TEST(OvFSM, LoadFromStreamReadsStatesAndEntersTheDefault) {
  struct Row {
    const char* xml;
    bool loaded;
    std::vector<const char*> states;
    const char* current;  // null: none
  };
  const Row rows[] = {
      {"<machine><state_list><state name=\"a\"/></state_list></machine>", false, {}, nullptr},
      {"<fsm><state_list><state name=\"Walk\"><editor_properties><position x=\"3\" y=\"-4.5\"/>"
       "</editor_properties><settings speed=\"2\"/></state><state name=\"run\"/></state_list>"
       "<default_state name=\"RUN\"/><state_transition_list><t in=\"walk\" out=\"run\" trigger=\"go\"/>"
       "</state_transition_list></fsm>",
       true,
       {"walk", "run"},
       "run"},
      {"<fsm><state_list><state name=\"a\"/></state_list><default_state name=\"missing\"/></fsm>",
       true,
       {"a"},
       nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.xml);
    COvScriptTree tree;
    ASSERT_TRUE(COvScriptTreeSerializerXML().Parse(tree, row.xml));
    COvFSM fsm;
    EXPECT_EQ(row.loaded, fsm.LoadFromStream(tree));
    ASSERT_EQ(static_cast<int>(row.states.size()), fsm.GetStateCount());
    for (size_t i = 0; i < row.states.size(); ++i) {
      EXPECT_EQ(COvIdentifier(row.states[i]), fsm.GetState(int(i))->GetIdentifier());
      EXPECT_EQ(&fsm, fsm.GetState(int(i))->GetFSM());
    }
    EXPECT_EQ(row.current ? fsm.FindState(row.current) : nullptr, fsm.GetCurrentState());
    EXPECT_EQ(fsm.GetCurrentState(), fsm.GetDefaultState());
    EXPECT_EQ(0, fsm.GetState(0) ? fsm.GetState(0)->GetStateTransitionCount() : 0);
  }
  COvScriptTree tree;
  ASSERT_TRUE(COvScriptTreeSerializerXML().Parse(tree, rows[1].xml));
  COvFSM fsm;
  fsm.LoadFromStream(tree);
  EXPECT_EQ(COvVector2(3, -4.5f), fsm.FindState("walk")->GetEditorPosition());
}

TEST(OvFSM, InitializeReadsAFile) {
  TempDir dir;
  std::string path = dir.WriteFile("m.xml", "<fsm><state_list><state name=\"a\"/></state_list></fsm>");
  COvFSM fsm;
  EXPECT_TRUE(fsm.Initialize(path.c_str()));
  EXPECT_EQ(1, fsm.GetStateCount());
  EXPECT_FALSE(fsm.Initialize(dir.Join("none.xml").c_str()));
  EXPECT_FALSE(fsm.Save());
}

TEST(OvFSM, ReleaseForgetsTheDeletedStates) {
  std::string log;
  COvFSM fsm;
  COvFSMState* a = AddTraced(fsm, "a", &log);
  fsm.SetDefaultState(a);
  fsm.ChangeState(a);
  fsm.Release();
  EXPECT_EQ(0, fsm.GetStateCount());
  EXPECT_EQ(nullptr, fsm.GetCurrentState());
  EXPECT_EQ(nullptr, fsm.GetDefaultState());
  fsm.Update(0.1f);  // must not reach the deleted state
  EXPECT_EQ("+a", log);

  COvFSMManager manager;
  manager.AddFSM(&fsm);
  manager.AddFSM(&fsm);
  manager.AddFSM(nullptr);
  EXPECT_EQ(1, manager.GetFSMCount());
  EXPECT_EQ(&fsm, manager.GetFSM(0));
  EXPECT_EQ(nullptr, manager.GetFSM(1));
}
