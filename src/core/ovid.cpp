// The well-known identifiers.
#include "core/ovid.h"

namespace {

#define OV_COUNT_WELL_KNOWN_IDENTIFIER(member, literal) +1
constexpr int kCount = 0 OV_WELL_KNOWN_IDENTIFIERS(OV_COUNT_WELL_KNOWN_IDENTIFIER);
#undef OV_COUNT_WELL_KNOWN_IDENTIFIER

}  // namespace

OVID::OVID() {
  // Members start as null identifiers; each is then set from its literal, in member order.
#define OV_SET_WELL_KNOWN_IDENTIFIER(member, literal) member.Set(literal);
  OV_WELL_KNOWN_IDENTIFIERS(OV_SET_WELL_KNOWN_IDENTIFIER)
#undef OV_SET_WELL_KNOWN_IDENTIFIER
}

OVID::~OVID() = default;

OVID& OVID::GetSingleton() {
  static OVID* instance = new OVID;
  return *instance;
}

int OVID::GetCount() { return kCount; }

const COvIdentifier& OVID::GetByIndex(int i) const {
  static const COvIdentifier OVID::*const kMembers[] = {
#define OV_MEMBER_WELL_KNOWN_IDENTIFIER(member, literal) &OVID::member,
      OV_WELL_KNOWN_IDENTIFIERS(OV_MEMBER_WELL_KNOWN_IDENTIFIER)
#undef OV_MEMBER_WELL_KNOWN_IDENTIFIER
  };
  return this->*kMembers[i];
}
