#include "app/reports_app.h"

int main(int argc, char** argv)
{
    rekol::CReportsApp app(argc, argv);
    return app.InitInstance();
}
