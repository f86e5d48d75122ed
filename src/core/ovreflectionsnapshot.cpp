#include "core/ovreflectionsnapshot.h"

#include <cstring>

typedef COvReflectionInformation Info;

COvReflectionInformationSnapShot::COvReflectionInformationSnapShot(const COvReflectionInformation& record,
                                                                   void* object)
    : m_record(record), m_pObject(object) {
  Value value;
  m_bCaptured = object && Read(value);
  m_variant = value.variant;
  m_strSaved = value.text;
  m_pResource = value.resource;
}

bool COvReflectionInformationSnapShot::Read(Value& value) const {
  void* o = m_pObject;
  switch (m_record.GetType()) {
    case Info::eTypeBool:
      value.variant.SetValue(m_record.GetValueBool(o));
      return true;
    case Info::eTypeInt:
      value.variant.SetValue(static_cast<int>(m_record.GetValueInt(o)));
      return true;
    case Info::eTypeEnum:
      value.variant.SetValue(static_cast<int>(m_record.GetValueEnum(o)));
      return true;
    case Info::eTypeFloat:
      value.variant.SetValue(m_record.GetValueFloat(o));
      return true;
    case Info::eTypeColor:
      value.variant.SetValue(m_record.GetValueColor(o));
      return true;
    case Info::eTypeVector2:
      value.variant.SetValue(m_record.GetValueVector2(o));
      return true;
    case Info::eTypeVector3:
      value.variant.SetValue(m_record.GetValueVector3(o));
      return true;
    case Info::eTypeVector4:
      value.variant.SetValue(m_record.GetValueVector4(o));
      return true;
    case Info::eTypeMatrix22:
      value.variant.SetValue(m_record.GetValueMatrix22(o));
      return true;
    case Info::eTypeMatrix33:
      value.variant.SetValue(m_record.GetValueMatrix33(o));
      return true;
    case Info::eTypeMatrix44:
      value.variant.SetValue(m_record.GetValueMatrix44(o));
      return true;
    case Info::eTypeEulerAngles:
      value.variant.SetValue(m_record.GetValueEulerAngles(o));
      return true;
    case Info::eTypeString:
      value.text = m_record.GetValueString(o);
      return true;
    case Info::eTypeResource:
      value.resource = m_record.GetValueResource(o);
      return true;
    default:
      return false;
  }
}

void COvReflectionInformationSnapShot::Write(const Value& value) const {
  void* o = m_pObject;
  const unsigned char* data = value.variant.GetDataPtr();
  auto as = [data](auto sample) {
    decltype(sample) v;
    std::memcpy(static_cast<void*>(&v), data, sizeof(v));
    return v;
  };
  switch (m_record.GetType()) {
    case Info::eTypeBool:
      m_record.SetValueBool(o, as(bool()));
      break;
    case Info::eTypeInt:
      m_record.SetValueInt(o, as(int32_t()));
      break;
    case Info::eTypeEnum:
      m_record.SetValueEnum(o, as(int32_t()));
      break;
    case Info::eTypeFloat:
      m_record.SetValueFloat(o, as(float()));
      break;
    case Info::eTypeColor:
      m_record.SetValueColor(o, as(COvRGBA<float>()));
      break;
    case Info::eTypeVector2:
      m_record.SetValueVector2(o, as(COvVector2()));
      break;
    case Info::eTypeVector3:
      m_record.SetValueVector3(o, as(COvVector3()));
      break;
    case Info::eTypeVector4:
      m_record.SetValueVector4(o, as(COvVector4()));
      break;
    case Info::eTypeMatrix22:
      m_record.SetValueMatrix22(o, as(COvMatrix22()));
      break;
    case Info::eTypeMatrix33:
      m_record.SetValueMatrix33(o, as(COvMatrix33()));
      break;
    case Info::eTypeMatrix44:
      m_record.SetValueMatrix44(o, as(COvMatrix44()));
      break;
    case Info::eTypeEulerAngles:
      m_record.SetValueEulerAngles(o, as(COvEulerAngles()));
      break;
    case Info::eTypeString:
      m_record.SetValueString(o, value.text);
      break;
    case Info::eTypeResource:
      m_record.SetValueResource(o, value.resource);
      break;
    default:
      break;
  }
}

void COvReflectionInformationSnapShot::BackUp() {
  if (!m_bCaptured) return;
  Value current;
  Read(current);
  Value saved;
  saved.variant = m_variant;
  saved.text = m_strSaved;
  saved.resource = m_pResource;
  Write(saved);
  m_variant = current.variant;
  m_strSaved = current.text;
  m_pResource = current.resource;
}

void COvReflectionInformationSnapShot::SaveReflectionInformation(
    const COvArray<COvReflectionInformation>* const* records, void* const* objects, int count,
    COvArray<COvReflectionInformationSnapShot>& out) {
  for (int i = 0; i < count; ++i) {
    if (!records[i]) continue;
    for (const COvReflectionInformation& record : *records[i])
      out.Add(COvReflectionInformationSnapShot(record, objects[i]));
  }
}

COvReflectionState::COvReflectionState(void* object, const COvArray<COvReflectionInformation>& records)
    : m_aRecords(records) {
  for (const COvReflectionInformation& record : m_aRecords)
    m_aValues.Add(COvReflectionInformationSnapShot(record, object));
}

void COvReflectionState::BackUp() {
  for (COvReflectionInformationSnapShot& value : m_aValues) value.BackUp();
}
