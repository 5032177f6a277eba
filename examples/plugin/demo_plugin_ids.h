// demo_plugin_ids.h: the demo plug-in's resource ids, read by demo_plugin.r
// from its own folder.
#define kDemoPlugInID 16100
#define kDemoMessagesID 16101
