#include "app/forms_runtime.h"

int main(int argc, char** argv) { return app::Run(argc, argv); }
