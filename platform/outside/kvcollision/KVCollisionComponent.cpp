#include "kvcollision/KVCollisionComponent.h"

KV_KVCOLLISION_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
