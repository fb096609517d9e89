#include "filetype/ExtRecord.h"

#include <gtest/gtest.h>

#include "ui/Exception.h"

TEST(ExtRecord, RoundTripsThroughItsByteLayout) {
  TExtRecord r;
  r.Ext.Assign(".png");
  r.HeadOffset = 1;
  r.SignLen = -3;
  r.Sign = {'P', 'N', 'G'};
  r.Desc.Assign("图像");
  const TExtRecordBytes bytes = EncodeExtRecord(r);
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes[1], '.');
  EXPECT_EQ(bytes[12], 1);
  EXPECT_EQ(bytes[16], 0xFD);
  EXPECT_EQ(bytes[19], 0xFF);
  EXPECT_EQ(bytes[20], 'P');
  EXPECT_EQ(bytes[31], 4);
  EXPECT_EQ(DecodeExtRecord(bytes.data()), r);
}

TEST(ExtRecord, DamagedLengthsReadAsCapacity) {
  TExtRecordBytes bytes{};
  bytes[0] = 200;
  bytes[31] = 255;
  const TExtRecord r = DecodeExtRecord(bytes.data());
  EXPECT_EQ(r.Ext.Size(), 10u);
  EXPECT_EQ(r.Desc.Size(), 250u);
}

TEST(ExtRecord, AnExtensionIsCutToWhatTheRecordHolds) {
  EXPECT_EQ(CutExt(".abcdefghijkl"), ".abcdefghi");
  EXPECT_EQ(CutExt(".txt"), ".txt");
  EXPECT_EQ(CutExt(""), "");
}

TEST(InOutError, CarriesTheRuntimeMessages) {
  EXPECT_EQ(EInOutError(2).Message(), "文件没找到");
  EXPECT_EQ(EInOutError(5).Message(), "文件存取错误");
  EXPECT_EQ(EInOutError(100).Message(), "读文件时超出文件结尾");
  EXPECT_EQ(EInOutError(32).Message(), "I/O 错误 32");
}
