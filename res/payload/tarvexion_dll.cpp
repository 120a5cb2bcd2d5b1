#include "res/payload/tarvexion_dll.h"

TARVEXION_API const char* TarvexionGreeting()
{
    return "Ostrevan4.1C is installed (Tarvexion.dll loaded).";
}
