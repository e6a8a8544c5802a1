#include "engine/NeededOrder.h"
