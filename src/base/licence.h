// The licence VorlTool and VorlDump are given under, as their --version names
// it under the version. Its full text is the file LICENSE at the root of the
// sources, beside the README in the archives, and the Debian package's
// copyright file.
#pragma once

/// The line --version prints after the version: the copyright notice of
/// LICENSE and the licence's name.
inline constexpr char kLicenceLine[] =
    "Copyright (c) 2026 The VorlTool developers. Released under the MIT License.";
