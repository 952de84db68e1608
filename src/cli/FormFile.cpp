#include "cli/FormFile.h"
