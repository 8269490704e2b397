#include "panes/c_splitter.h"
