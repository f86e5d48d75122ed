// One process-wide listener; pools are used from one thread.
#include "engine/resource/ovresourcepoolhook.h"

namespace {

OvResourcePoolListener g_listener = nullptr;

}  // namespace

void OvSetResourcePoolListener(OvResourcePoolListener listener) { g_listener = listener; }

void OvResourcePoolChanged(const COvIdentifier& topPool) {
  if (g_listener) g_listener(topPool);
}
