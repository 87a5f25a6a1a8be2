#include "QuandePrefs.h"
