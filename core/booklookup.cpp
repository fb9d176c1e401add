#include "booklookup.h"
