#include "DataFile.h"
