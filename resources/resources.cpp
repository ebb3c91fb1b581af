// The resource trees are registered by the objects Qt generates for this library; this file
// only gives the library a translation unit of its own.
