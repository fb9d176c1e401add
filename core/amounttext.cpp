#include "amounttext.h"
