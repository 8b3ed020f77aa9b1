#include "app/Application.h"

int main(int argc, char** argv) { return tintorium::RunTintorium(argc, argv); }
