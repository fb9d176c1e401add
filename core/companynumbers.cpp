#include "companynumbers.h"
