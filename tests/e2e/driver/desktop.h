#pragma once
#include "driver.h"  // the desktop and Quorv114 helpers live there
