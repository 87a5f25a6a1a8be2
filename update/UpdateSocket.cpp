#include "UpdateSocket.h"
