#include "core/ovreflection.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "core/ovbasicvariant.h"
#include "core/ovreflectionsnapshot.h"
#include "core/ovrtti.h"

namespace {

struct Sample {
  bool flag = false;
  int count = 0;
  float speed = 0.0f;
  TOvString<char> label;
  COvVector3 position;
  COvRGBA<float> tint;
  void* resource = nullptr;
};

// Routed accessors that keep the value elsewhere, so tests can see the offset is never used.
int g_routedValue = 0;
void* RoutedGetter(void*) { return &g_routedValue; }
void RoutedSetter(void*, const void* value) { g_routedValue = *static_cast<const int*>(value); }

using Info = COvReflectionInformation;

COvArray<Info> SampleRecords() {
  COvArray<Info> records;
  records.Add(Info("flag", Info::eTypeBool, offsetof(Sample, flag)));
  records.Add(Info("count", Info::eTypeInt, offsetof(Sample, count)));
  records.Add(Info("speed", Info::eTypeFloat, offsetof(Sample, speed)));
  records.Add(Info("label", Info::eTypeString, offsetof(Sample, label)));
  records.Add(Info("position", Info::eTypeVector3, offsetof(Sample, position)));
  records.Add(Info("tint", Info::eTypeColor, offsetof(Sample, tint)));
  records.Add(Info("resource", Info::eTypeResource, offsetof(Sample, resource)));
  return records;
}

}  // namespace

TEST(OvRTTI, DerivationFollowsTheParentChain) {
  static const COvRTTI base("Base", nullptr);
  static const COvRTTI derived("Derived", &base);
  static const COvRTTI other("Other", nullptr);
  EXPECT_TRUE(derived.IsDerived(&base) && derived.IsDerived(&derived));
  EXPECT_FALSE(base.IsDerived(&derived) || derived.IsDerived(&other) || derived.IsDerived(nullptr));
  EXPECT_TRUE(base.IsExactly(&base) && !derived.IsExactly(&base));
}

// Accessor functions, when set, bypass the offset.
TEST(OvReflection, ReadsAndWritesAtTheMemberOffsetOrThroughTheAccessorFunctions) {
  COvArray<Info> records = SampleRecords();
  Sample sample;
  records[0].SetValueBool(&sample, true);
  records[1].SetValueInt(&sample, 42);
  records[2].SetValueFloat(&sample, 2.5f);
  records[3].SetValueString(&sample, "hello");
  records[4].SetValueVector3(&sample, COvVector3(1, 2, 3));
  EXPECT_TRUE(sample.flag && sample.count == 42 && sample.speed == 2.5f);
  EXPECT_STREQ("hello", sample.label.GetBuffer());
  EXPECT_EQ(COvVector3(1, 2, 3), sample.position);
  EXPECT_EQ(42, records[1].GetValueInt(&sample));
  EXPECT_STREQ("hello", records[3].GetValueString(&sample).GetBuffer());
  EXPECT_EQ(nullptr, records[1].GetDefaultValue());
  Info record("routed", Info::eTypeInt, offsetof(Sample, count));
  Info object("object", Info::eTypeObject, offsetof(Sample, resource));
  record.SetAccessors(RoutedSetter, RoutedGetter);
  g_routedValue = 3;
  EXPECT_EQ(3, record.GetValueInt(&sample));
  record.SetValueInt(&sample, 99);
  EXPECT_TRUE(g_routedValue == 99 && sample.count == 42);
  EXPECT_TRUE(object.IsNull());
  object.SetValueObject(&sample, &sample);
  EXPECT_FALSE(object.IsNull());
  EXPECT_EQ(&sample, object.GetValueObject(&sample));
}

TEST(OvReflectionSnapShot, BackUpSwapsAndTwiceRestores) {
  COvArray<Info> records = SampleRecords();
  Sample sample;
  sample.count = 5;
  sample.label = "before";
  sample.tint = COvRGBA<float>(0.1f, 0.2f, 0.3f, 0.4f);
  int resource = 0;
  sample.resource = &resource;
  COvReflectionState state(&sample, records);
  sample.count = 6;
  sample.label = "after";
  sample.tint = COvRGBA<float>(1, 1, 1, 1);
  sample.resource = nullptr;
  state.BackUp();
  EXPECT_TRUE(sample.count == 5 && sample.label == "before" && sample.tint.a == 0.4f &&
              sample.resource == &resource);
  state.BackUp();
  EXPECT_TRUE(sample.count == 6 && sample.label == "after" && sample.resource == nullptr);

  COvArray<COvReflectionInformationSnapShot> snapshots;
  const COvArray<COvReflectionInformation>* tables[] = {&records, &records};
  Sample second;
  void* objects[] = {&sample, &second};
  COvReflectionInformationSnapShot::SaveReflectionInformation(tables, objects, 2, snapshots);
  EXPECT_EQ(2 * records.GetCount(), snapshots.GetCount());
  EXPECT_EQ(COvBasicVariant::eTypeInt, snapshots[1].GetVariant().GetEType());
  EXPECT_EQ(COvBasicVariant::eTypeRGBAF, snapshots[5].GetVariant().GetEType());
}
