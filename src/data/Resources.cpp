#include "data/Resources.h"

#include <QtGlobal>

void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}
