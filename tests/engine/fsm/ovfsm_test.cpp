#include "engine/fsm/ovfsm.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/fsm/ovaction.h"
#include "engine/fsm/ovfsmstate.h"
#include "engine/fsm/ovfsmstatetransition.h"
#include "engine/fsm/ovtrigger.h"
#include "support/temp_dir.h"

namespace {

struct FixedTrigger : COvTrigger {
  explicit FixedTrigger(bool fires) : fires(fires) {}
  bool IsTriggered() override { return fires; }
  bool fires;
};

struct NoteAction : COvAction {
  NoteAction(std::string* log, std::string note) : log(log), note(note) {}
  void Execute() override { *log += note; }
  std::string* log;
  std::string note;
};

// A state of the machine that writes "+name" on entry and "-name" on exit.
struct TracedState : COvFSMState {
  TracedState(COvFSM& fsm, std::string name, std::string* log)
      : COvFSMState(name.c_str(), &fsm), log(log), name(name) {
    fsm.AddState(this);
  }
  void OnEnter() override { *log += "+" + name; }
  void OnLeave() override { *log += "-" + name; }
  std::string* log;
  std::string name;
};

}  // namespace

TEST(OvFSM, UpdateFiresTheFirstTransitionThatTriggers) {
  // Which of the transitions to "a", "b" and "c" fire, in order, and the log.
  const std::pair<std::vector<bool>, const char*> rows[] = {
      {{false, false, false}, ""}, {{false, true, true}, "[b]-idle+b"}, {{true, true, false}, "[a]-idle+a"}};
  for (const auto& [fires, expected] : rows) {
    SCOPED_TRACE(expected);
    std::string log;
    COvFSM fsm;
    COvFSMState* idle = new TracedState(fsm, "idle", &log);
    std::vector<FixedTrigger> triggers(fires.begin(), fires.end());
    NoteAction actions[] = {{&log, "[a]"}, {&log, "[b]"}, {&log, "[c]"}};
    std::vector<COvFSMStateTransition> transitions;
    transitions.reserve(3);  // their addresses are kept
    for (int i = 0; i < 3; ++i) {
      COvArray<COvAction*> list;
      list.Add(&actions[i]);
      idle->AddStateTransition(&transitions.emplace_back(
          new TracedState(fsm, std::string(1, char('a' + i)), &log), idle, &triggers[i], list, 0));
    }
    fsm.SetCurrentState(idle);
    fsm.Update(0.1f);
    EXPECT_EQ(expected, log);
  }
}

TEST(OvFSMState, SortTransitionByDescendingPriorityKeepsTies) {
  // The priorities, then the original positions after sorting.
  const std::pair<std::vector<int>, std::vector<int>> rows[] = {
      {{1, 5, 5, 3}, {1, 2, 3, 0}}, {{}, {}}, {{-2, -7, 0}, {2, 0, 1}}};
  for (const auto& [priorities, order] : rows) {
    COvFSM fsm;
    COvFSMState* state = fsm.CreateState("s");
    std::vector<COvFSMStateTransition> transitions;
    transitions.reserve(priorities.size());
    for (int priority : priorities)
      state->AddStateTransition(
          &transitions.emplace_back(state, state, nullptr, COvArray<COvAction*>(), priority));
    state->SortTransition();
    ASSERT_EQ(int(order.size()), state->GetStateTransitionCount());
    for (size_t i = 0; i < order.size(); ++i)
      EXPECT_EQ(&transitions[order[i]], state->GetStateTransition(int(i)));
  }
}

TEST(OvFSM, InitializeReadsStatesAndEntersTheDefault) {
  // Whether it loads, the states, the current one (null: none) and the file (null: none).
  // clang-format off
  const std::tuple<bool, std::vector<const char*>, const char*, const char*> rows[] = {
      {false, {}, nullptr, "<machine><state_list><state name=\"a\"/></state_list></machine>"},
      {true, {"walk", "run"}, "run",
       "<fsm><state_list><state name=\"Walk\"><editor_properties><position x=\"3\" y=\"4\"/>"
       "</editor_properties><settings speed=\"2\"/></state><state name=\"run\"/></state_list>"
       "<default_state name=\"RUN\"/>"
       "<state_transition_list><t in=\"walk\" out=\"run\" trigger=\"go\"/></state_transition_list></fsm>"},
      {true, {"a"}, nullptr,
       "<fsm><state_list><state name=\"a\"/></state_list><default_state name=\"missing\"/></fsm>"},
      {false, {}, nullptr, nullptr},
  };
  // clang-format on
  TempDir dir;
  for (const auto& [loaded, states, current, xml] : rows) {
    SCOPED_TRACE(xml ? xml : "no file");
    std::string path = xml ? dir.WriteFile("m.xml", xml) : dir.Join("none.xml");
    COvFSM fsm;
    EXPECT_EQ(loaded, fsm.Initialize(path.c_str()));
    ASSERT_EQ(int(states.size()), fsm.GetStateCount());
    for (size_t i = 0; i < states.size(); ++i)
      EXPECT_EQ(COvIdentifier(states[i]), fsm.GetState(int(i))->GetIdentifier());
    EXPECT_TRUE(fsm.GetCurrentState() == (current ? fsm.FindState(current) : nullptr) &&
                fsm.GetCurrentState() == fsm.GetDefaultState());
  }
}

TEST(OvFSM, ChangeStateOnlyToOwnStatesAndReleaseForgetsThem) {
  std::string log;
  COvFSM fsm, elsewhere;
  COvFSMState *a = new TracedState(fsm, "a", &log), *other = new TracedState(elsewhere, "other", &log);
  for (COvFSMState* state : {a, a, other, static_cast<COvFSMState*>(nullptr)}) fsm.ChangeState(state);
  EXPECT_TRUE(log == "+a-a+a" && fsm.GetCurrentState() == a);
  fsm.SetDefaultState(a);
  fsm.Release();
  EXPECT_TRUE(fsm.GetStateCount() == 0 && !fsm.GetCurrentState() && !fsm.GetDefaultState());
  fsm.Update(0.1f);  // must reach no deleted state
  EXPECT_EQ("+a-a+a", log);
}
