#include "app/TemplateUsageMain.h"

int main(int argc, char** argv) { return TemplateUsageMain(argc, argv); }
