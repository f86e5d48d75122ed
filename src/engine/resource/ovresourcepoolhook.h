// The link from the resource pools to the pooled-object manager: when a pool is released, the
// pool now on top becomes the current pool of pooled objects as well. The pooled-object
// manager (or any other party) registers one listener for that change.
#pragma once

#include "core/ovidentifier.h"

typedef void (*OvResourcePoolListener)(const COvIdentifier& topPool);

// Null removes the listener.
void OvSetResourcePoolListener(OvResourcePoolListener listener);
// Tells the listener, if any, which pool is on top now.
void OvResourcePoolChanged(const COvIdentifier& topPool);
