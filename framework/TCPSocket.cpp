#include "TCPSocket.h"
