// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform/application.h"

int main(int argc, char *argv[]) { return stagepath::runApplication(argc, argv); }
