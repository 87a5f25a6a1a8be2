#include "Application.h"
#include "Startup.h"

int main(int argc, char** argv)
{
    const int status = RunApplication(argc, argv, RunStartup);
    ReleaseModuleObjects();
    return status;
}
