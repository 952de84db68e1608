#include "support/TestHttpServer.h"
