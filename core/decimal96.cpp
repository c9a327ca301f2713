#include "core/decimal96.h"
