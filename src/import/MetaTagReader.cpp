#include "import/MetaTagReader.h"
