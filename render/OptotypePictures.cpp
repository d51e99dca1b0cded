// The picture optotypes for young children: filled silhouettes, each a few closed parts inside
// -500..500 that the renderer enlarges by the record's factor. Parts that should read as
// separate things (fingers, candles, wheels) are kept apart by clear gaps, since everything is
// drawn in one colour. Pictures face right; a mirrored room flips them like the letters.

#include "render/OptotypeGeometry.h"
#include "render/OptotypeShapes.h"

namespace lenvari {
namespace {

GlyphRecord Picture(const char* name, int factor, std::vector<GlyphOutline> parts) {
  return {name, factor, true, std::move(parts)};
}

// An open right hand, palm towards the viewer: palm, four fingers, thumb, cuff.
GlyphRecord Hand() {
  return Picture("h", 2305, {
      RoundedBox(-240, -90, 215, 260, 90),     // palm
      Capsule(-185, -20, -205, -330, 58),      // index finger
      Capsule(-60, -40, -65, -420, 58),        // middle finger
      Capsule(65, -40, 80, -380, 58),          // ring finger
      Capsule(165, 0, 215, -250, 52),          // little finger
      Capsule(-215, 170, -430, -50, 62),       // thumb
      RoundedBox(-205, 290, 185, 470, 30),     // cuff
  });
}

// A horse walking to the right with its rider.
GlyphRecord HorseAndRider() {
  return Picture("e", 2421, {
      Polygon({-300, -40, -150, -60, 60, -50, 180, -90, 290, -260, 330, -320, 340, -390, 375,
               -330, 420, -300, 495, -175, 485, -125, 425, -120, 360, -150, 290, -30, 270, 80,
               255, 160, 285, 470, 225, 470, 195, 200, 170, 200, 155, 470, 95, 470, 95, 190,
               -140, 190, -170, 470, -230, 470, -240, 220, -255, 220, -285, 470, -345, 470,
               -330, 130, -345, 40}),                                   // horse
      Polygon({-305, -30, -375, 10, -445, 150, -470, 300, -420, 270, -385, 140, -335, 60}),  // tail
      Polygon({-70, -70, 60, -70, 80, -290, -50, -290}),                // rider's body
      EllipseShape(20, -370, 65, 65),                                   // rider's head
      Capsule(40, -250, 220, -150, 38),                                 // rider's arm
      Capsule(-20, -100, 120, -50, 42),                                 // rider's thigh
  });
}

// A two-tier birthday cake on a plate with three lit candles.
GlyphRecord BirthdayCake() {
  return Picture("c", 2338, {
      RoundedBox(-490, 440, 490, 495, 25),      // plate
      RoundedBox(-400, 110, 400, 415, 30),      // lower tier
      RoundedBox(-290, -90, 290, 85, 30),       // upper tier
      RoundedBox(-190, -320, -120, -115, 10),   // candles
      RoundedBox(-35, -320, 35, -115, 10),
      RoundedBox(120, -320, 190, -115, 10),
      Flame(-155, -400, 45, -500),              // flames
      Flame(0, -400, 45, -500),
      Flame(155, -400, 45, -500),
  });
}

// A bird facing right, its wing raised.
GlyphRecord Bird() {
  return Picture("b", 2421, {
      Polygon({-260, 0, -120, -110, 80, -120, 170, -230, 260, -270, 350, -240, 400, -170, 400,
               -100, 340, -30, 320, 80, 220, 220, 60, 290, -120, 280, -260, 180}),  // body and head
      Polygon({400, -190, 500, -150, 400, -120}),                                   // beak
      Polygon({-230, 40, -480, -60, -500, 20, -420, 110, -480, 210, -250, 170}),    // tail
      Polygon({-120, -130, 80, -140, 60, -300, -60, -460, -200, -480, -160, -300}),  // wing
  });
}

// An old desk telephone: the handset on its cradle above a base with a round dial.
GlyphRecord Telephone() {
  // The dial's ring is a round hole in the base, reached by a slit straight down from the top.
  const GlyphOutline base = Polygon({0, -100, 330, -100, 460, 430, -460, 430, -330, -100});
  GlyphOutline dial;
  AppendArc(dial, 0, 190, 170, 170, 270, -80, 10);
  return Picture("p", 2458, {
      Polygon({-470, -290, -420, -420, -300, -440, 300, -440, 420, -420, 470, -290, 320, -250,
               270, -340, -270, -340, -320, -250}),   // handset
      Polygon({-200, -310, 200, -310, 230, -120, -230, -120}),  // cradle
      JoinLoops({base, Counter(dial)}),                         // base with the dial's ring
      EllipseShape(0, 190, 70, 70),                             // dial centre
  });
}

// A jeep driving to the right: body with wheel arches, two wheels, windscreen, spare wheel.
GlyphRecord Jeep() {
  GlyphOutline body{{-430, -90}};
  AppendPoint(body, -120, -90);
  AppendPoint(body, -80, -60);
  AppendPoint(body, 110, -60);
  AppendPoint(body, 460, -40);
  AppendPoint(body, 480, 170);
  AppendArc(body, 280, 190, 140, 140, 0, -180, 15);    // front wheel arch
  AppendArc(body, -240, 190, 140, 140, 0, -180, 15);   // rear wheel arch
  AppendPoint(body, -440, 190);
  return Picture("j", 2592, {
      body,
      EllipseShape(280, 230, 115, 115),                                    // front wheel
      EllipseShape(-240, 230, 115, 115),                                   // rear wheel
      Polygon({30, -40, 140, -40, 50, -330, -30, -330}),                   // windscreen
      EllipseShape(-440, 20, 60, 120),                                     // spare wheel
  });
}

}  // namespace

std::vector<GlyphRecord> PictureRecords() {
  return {Hand(), HorseAndRider(), BirthdayCake(), Bird(), Telephone(), Jeep()};
}

}  // namespace lenvari
