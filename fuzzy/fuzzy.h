// The one header an application includes: every chief header of the library.
#pragma once

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/Object.h"
#include "fuzzy/framework/SysUtils.h"
