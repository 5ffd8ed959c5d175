#include "app/application.h"

int main(int argc, char *argv[]) { return stagepath::runApplication(argc, argv); }
