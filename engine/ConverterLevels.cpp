#include "engine/ConverterLevels.h"
