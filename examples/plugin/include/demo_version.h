// demo_version.h: the demo plug-in's version, in one place for its code and
// its property list (demo_plugin.r packs it as major << 16 | minor). Both
// find it through the target's include folder, and the guard lets either
// include it more than once.
#ifndef DEMO_VERSION_H
#define DEMO_VERSION_H

#define kDemoMajor 1
#define kDemoMinor 2

#endif
