// Result holders: status, the one object behind every interface, list
// iteration and the exposed list.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <string>
#include <typeinfo>
#include <vector>

#include "holders/MOXData.h"
#include "holders/MOXDataArray.h"
#include "records/FileRuleRecords.h"

namespace kv::test {
namespace {

using KEEL::KVWEBSERVICE::StClashRule;
using KEEL::WEB::IServiceObject;
using KEEL::WEB::IServiceObjectSet;

boost::shared_ptr<StClashRule> Rule(const std::wstring &id) {
  auto rule = boost::make_shared<StClashRule>();
  rule->ruleId = id;
  return rule;
}

// One holder of each class, as the web layer sees it.
struct HolderCase {
  const char *name;
  boost::shared_ptr<IServiceObject> holder;
};

std::vector<HolderCase> EveryHolderClass() {
  return {
      {"CMOXBaseData<bool>", boost::make_shared<MOXAPP::CMOXBaseData<bool>>(true)},
      {"CMOXBaseData<std::wstring>", boost::make_shared<MOXAPP::CMOXBaseData<std::wstring>>(L"t")},
      {"CMOXUserData<StClashRule>", boost::make_shared<MOXAPP::CMOXUserData<StClashRule>>(Rule(L"r"))},
      {"CMOXBaseDataArray<std::wstring>",
       boost::make_shared<MOXAPP::CMOXBaseDataArray<std::wstring>>(std::vector<std::wstring>{L"a"})},
      {"CMOXUserDataArray<StClashRule>", boost::make_shared<MOXAPP::CMOXUserDataArray<StClashRule>>(
                                             std::vector<boost::shared_ptr<StClashRule>>{Rule(L"r")})},
  };
}

TEST(Holders, StartWithAnEmptyStatus) {
  for (auto &c : EveryHolderClass()) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(c.holder->IsFinished());
    EXPECT_FALSE(c.holder->GetState());
    EXPECT_FALSE(c.holder->GetFlag());
    EXPECT_EQ(c.holder->GetCode(), L"");
    EXPECT_EQ(c.holder->GetText(), L"");
  }
}

TEST(Holders, StatusSetThroughTheSetSideIsReadThroughTheHolder) {
  for (auto &c : EveryHolderClass()) {
    SCOPED_TRACE(c.name);
    auto *set = dynamic_cast<IServiceObjectSet *>(c.holder.get());
    ASSERT_NE(set, nullptr);
    // Both sides are one object.
    EXPECT_EQ(dynamic_cast<void *>(set), dynamic_cast<void *>(c.holder.get()));
    EXPECT_EQ(dynamic_cast<IServiceObject *>(set), c.holder.get());

    set->SetFinished();
    set->SetState(2);
    set->SetFlag(true);
    set->SetCode(L"500");
    set->SetText(L"服务器错误");
    EXPECT_TRUE(c.holder->IsFinished());
    EXPECT_TRUE(c.holder->GetState());
    EXPECT_TRUE(c.holder->GetFlag());
    EXPECT_EQ(c.holder->GetCode(), L"500");
    EXPECT_EQ(c.holder->GetText(), L"服务器错误");

    set->SetState(0);
    set->SetFlag(false);
    set->SetCode(c.holder->GetCode());
    EXPECT_FALSE(c.holder->GetState());
    EXPECT_FALSE(c.holder->GetFlag());
    EXPECT_EQ(c.holder->GetCode(), L"500");
    EXPECT_TRUE(c.holder->IsFinished()) << "nothing sets finished back";
  }
}

TEST(Holders, SetStateIsTrueForAnyNonZeroValue) {
  const struct {
    int value;
    bool state;
  } kCases[] = {{0, false}, {1, true}, {2, true}, {-1, true}};
  MOXAPP::CMOXBaseData<bool> holder(false);
  for (auto &c : kCases) {
    SCOPED_TRACE(c.value);
    holder.SetState(c.value);
    EXPECT_EQ(holder.GetState(), c.state);
  }
}

TEST(Holders, ListHoldersAreIteratorsOfTheSameObject) {
  auto texts = boost::make_shared<MOXAPP::CMOXBaseDataArray<std::wstring>>(std::vector<std::wstring>{L"a"});
  boost::shared_ptr<IServiceObject> asStatus = texts;
  auto *iterator = dynamic_cast<KEEL::UTILITY::Iterator<std::wstring> *>(asStatus.get());
  ASSERT_NE(iterator, nullptr);
  EXPECT_EQ(iterator->Count(), 1u);
  EXPECT_EQ(dynamic_cast<void *>(iterator), dynamic_cast<void *>(asStatus.get()));

  auto rules = boost::make_shared<MOXAPP::CMOXUserDataArray<StClashRule>>(
      std::vector<boost::shared_ptr<StClashRule>>{Rule(L"x")});
  asStatus = rules;
  auto *ruleIterator = dynamic_cast<KEEL::UTILITY::Iterator<boost::shared_ptr<StClashRule>> *>(asStatus.get());
  ASSERT_NE(ruleIterator, nullptr);
  EXPECT_EQ(ruleIterator->CurrentItem()->ruleId, L"x");
}

// Iterates three entries by the usual loop and checks the cursor's edges.
template <class Holder, class Read>
void CheckIteration(Holder &holder, Read read, const std::vector<std::wstring> &expected) {
  EXPECT_EQ(holder.Count(), expected.size());
  EXPECT_FALSE(holder.IsDone()) << "a new holder can be iterated without First()";
  std::vector<std::wstring> seen;
  for (holder.First(); !holder.IsDone(); holder.Next()) seen.push_back(read(holder.CurrentItem()));
  EXPECT_EQ(seen, expected);

  holder.Next();
  holder.Next();
  EXPECT_TRUE(holder.IsDone());
  EXPECT_EQ(holder.Count(), expected.size());
  EXPECT_EQ(read(holder.CurrentItem()), L"<empty>") << "past the end gives an empty value";

  holder.First();
  EXPECT_FALSE(holder.IsDone());
  EXPECT_EQ(read(holder.CurrentItem()), expected.front());
}

TEST(Holders, TextListIterates) {
  MOXAPP::CMOXBaseDataArray<std::wstring> holder({L"a", L"b", L"c"});
  CheckIteration(holder, [](const std::wstring &s) { return s.empty() ? std::wstring(L"<empty>") : s; },
                 {L"a", L"b", L"c"});
}

TEST(Holders, RecordListIteratesSharedRecords) {
  std::vector<boost::shared_ptr<StClashRule>> rules{Rule(L"1"), Rule(L"2"), Rule(L"3")};
  MOXAPP::CMOXUserDataArray<StClashRule> holder(rules);
  CheckIteration(holder,
                 [](const boost::shared_ptr<StClashRule> &r) { return r ? r->ruleId : std::wstring(L"<empty>"); },
                 {L"1", L"2", L"3"});
  holder.First();
  EXPECT_EQ(holder.CurrentItem(), rules[0]) << "records are shared, not copied";
}

TEST(Holders, EmptyListsAreDoneAtOnce) {
  MOXAPP::CMOXBaseDataArray<std::wstring> texts(std::vector<std::wstring>{});
  MOXAPP::CMOXUserDataArray<StClashRule> rules(std::vector<boost::shared_ptr<StClashRule>>{});
  EXPECT_EQ(texts.Count(), 0u);
  EXPECT_TRUE(texts.IsDone());
  EXPECT_EQ(texts.CurrentItem(), L"");
  EXPECT_EQ(rules.Count(), 0u);
  EXPECT_TRUE(rules.IsDone());
  EXPECT_FALSE(rules.CurrentItem());
}

TEST(Holders, GetArrayIsTheHoldersOwnList) {
  std::vector<std::wstring> source{L"a", L"b"};
  MOXAPP::CMOXBaseDataArray<std::wstring> holder(source);
  std::vector<std::wstring> *items = holder.GetArray();
  EXPECT_EQ(items, holder.GetArray());
  items->push_back(L"c");
  (*items)[0] = L"z";
  EXPECT_EQ(holder.Count(), 3u);
  EXPECT_EQ(holder.CurrentItem(), L"z");
  EXPECT_EQ(source.size(), 2u) << "the holder copied its input";
  EXPECT_EQ(source[0], L"a");
}

TEST(Holders, ValueHolderKeepsItsOwnCopy) {
  std::wstring text = L"规则";
  MOXAPP::CMOXBaseData<std::wstring> holder(text);
  text = L"changed";
  EXPECT_EQ(holder.GetValue(), L"规则");
}

TEST(Holders, RecordHolderSharesItsRecord) {
  auto rule = Rule(L"r1");
  StClashRule *raw = rule.get();
  boost::shared_ptr<StClashRule> kept;
  {
    boost::shared_ptr<IServiceObject> holder = boost::make_shared<MOXAPP::CMOXUserData<StClashRule>>(rule);
    rule.reset();
    auto *typed = dynamic_cast<MOXAPP::IMOXUserData<StClashRule> *>(holder.get());
    ASSERT_NE(typed, nullptr);
    kept = typed->GetData();
    EXPECT_EQ(kept.get(), raw);
    EXPECT_EQ(typed->GetDataPtr(), raw);
  }
  // Released through IServiceObject: the holder is gone, the record lives on.
  EXPECT_EQ(kept.use_count(), 1);
  EXPECT_EQ(kept->ruleId, L"r1");
}

}  // namespace
}  // namespace kv::test
