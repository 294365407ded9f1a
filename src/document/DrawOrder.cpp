// The order in which a document's or a block's drawing objects were added: the file's order.
#include "document/DrawOrder.h"

#include <algorithm>

void DrawOrder::forget(ObjectKind kind) { std::erase(kinds_, kind); }
