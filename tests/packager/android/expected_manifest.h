// The manifest that the first configure of a project made by the SDK's project tool leaves
// (package com.example.demo, version code 1, version 2.5), as TinyXML saves it, with "\n" line
// ends, for the given API level.
#pragma once

#include <string>

inline std::string ConfiguredManifest(const std::string& level) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
         "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\" "
         "package=\"com.example.demo\" "
         "android:versionCode=\"1\" android:versionName=\"2.5\" android:installLocation=\"auto\">\n"
         "    <application android:label=\"@string/app_name\" android:icon=\"@drawable/ic_launcher\" "
         "android:allowBackup=\"false\" android:hardwareAccelerated=\"false\">\n"
         "        <activity android:name=\"com.orvo.sdk.TheActivity\" android:launchMode=\"singleTask\" "
         "android:screenOrientation=\"sensorLandscape\" android:configChanges=\"keyboardHidden|screenSize\" "
         "android:label=\"@string/app_name\">\n"
         "            <intent-filter>\n"
         "                <action android:name=\"android.intent.action.MAIN\" />\n"
         "                <category android:name=\"android.intent.category.LAUNCHER\" />\n"
         "                <category android:name=\"tv.ouya.intent.category.GAME\" />\n"
         "            </intent-filter>\n"
         "        </activity>\n"
         "    </application>\n"
         "    <uses-sdk android:minSdkVersion=\"9\" android:targetSdkVersion=\"" +
         level +
         "\" />\n"
         "    <uses-feature android:glEsVersion=\"0x00020000\" />\n"
         "</manifest>\n";
}
