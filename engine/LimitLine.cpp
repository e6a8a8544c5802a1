#include "engine/LimitLine.h"
