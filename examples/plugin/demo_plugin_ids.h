// demo_plugin_ids.h: the demo plug-in's resource ids and version, read by
// demo_plugin.r. VorlTool takes only the #define lines from a header.
#define kDemoPlugInID 16100
#define kDemoMessagesID 16101
#define kDemoMajor 1
#define kDemoMinor 2
