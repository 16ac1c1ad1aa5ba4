#include "core/graphics/SurfaceServices.h"

SurfaceServices& CurrentSurfaceServices() {
    static SurfaceServices services;
    return services;
}
