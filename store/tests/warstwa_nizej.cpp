// Compiled by the layering check: the store sees the layers below it.
#include "engine/dataset.h"
#include "store/tdm.h"
#include "wspolne/dialogi.h"
