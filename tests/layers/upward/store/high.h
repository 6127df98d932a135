#pragma once
#include "common/low.h"
