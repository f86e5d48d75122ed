// Umbrella header of the engine core library.
#pragma once

#include "core/ovarray.h"
#include "core/ovstrfuncs.h"
#include "core/ovstring.h"
#include "core/ovtag.h"
#include "engine/math/ovcolor.h"
#include "engine/math/ovmatrix.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"
#include "core/ovcrc.h"
#include "core/ovidentifier.h"
#include "core/ovlog.h"
#include "core/ovpathtext.h"
#include "core/ovfilepath.h"
#include "core/ovdirectory.h"
