// The driver is all in driver.h; the benchmark and the screenshot tool compile this file
// beside their own.
#include "driver.h"
