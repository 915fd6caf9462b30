#include "colors.inc"


camera {
  location <  0.11657E+01,   0.23188E+00,   0.59753E+01>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.68385E+00,   0.18324E+00,   0.79670E+01>
  color Gray50
}


light_source {
  <  0.31266E+01,  -0.41163E+00,   0.11769E+02>
  color Gray50
}


sphere {
  < -0.68718E+00,  0.00000E+00,  0.00000E+00>,   0.10000E+01
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.68718E+00,  0.00000E+00,  0.00000E+00>,   0.10000E+01
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.13744E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


// connector #00001 omitted: its two ends coincide
cylinder { < -0.68718E+00,  0.00000E+00,  0.00000E+00>,<  0.13744E+01,  0.00000E+00,  0.00000E+00>,  0.30000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
