#pragma once
// A lower layer that reaches up: the layer check must refuse it.
#include "store/high.h"
