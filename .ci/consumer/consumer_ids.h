// The ids of the release check's consumer plug-in; consumer.r includes this.
#define kConsumerID 16200
#define kConsumerName "Release Check"
