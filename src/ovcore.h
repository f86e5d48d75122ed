// Umbrella header of the engine core library.
#pragma once

#include "core/ovarray.h"
#include "core/ovstrfuncs.h"
#include "core/ovstring.h"
#include "core/ovtag.h"
