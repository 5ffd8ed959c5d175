// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The library that precompiles the headers every test program shares; it has
// no code of its own.
