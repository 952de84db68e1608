#include "document/TextFile.h"
